// With no live area, every area command answers -50; getters with a reset leave it in their outputs.
$flags:=77
$err:=ZV_GetAreaFlags(12345;$flags)
ASSERT($err=-50;"ZV_GetAreaFlags answers -50")
ASSERT($flags=0;"ZV_GetAreaFlags resets its output")
$h:=5
$v:=6
$err:=ZV_GetAreaAlignment(1;$h;$v)
LOG($err;$h;$v)
$color:=42
$err:=ZV_GetAreaBackgroundColor(1;$color)
LOG($err;$color)
$text:="expression"
$err:=ZV_GetNumCells(0;$text)
LOG($err;"["+$text+"]")
$err:=ZV_SetNumCells(-1;"10")
LOG($err)
// The hit-test form of ZV_GetCellCaption answers a cell number: 0 without an area.
$left:=10
$top:=20
$right:=7
$caption:="cell"
$format:="f"
$err:=ZV_GetCellCaption(99;$caption;$left;$top;$right;$right;$format)
LOG($err;$caption;$left;$top;$right;$format)
