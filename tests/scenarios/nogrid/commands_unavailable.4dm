// Without the grid every command but the two version commands answers -2093 and writes nothing.
C_PICTURE($pict)
ARRAY LONGINT($cells;2)
$cells{1}:=4
$cells{2}:=9
ARRAY TEXT($sigs;1)
$sigs{1}:="sig"
$a:=11
$b:=12
$c:=13
$d:=14
$e:=15
$f:=16
$t:="text"
$u:="more"
$results:=""
$results:=$results+String(ZV_SetAreaFlags(1;0x600000))
$results:=$results+" "+String(ZV_GetAreaFlags(1;$a))
$results:=$results+" "+String(ZV_SetCellOptions(1;100;100;$pict;0;0;0))
$results:=$results+" "+String(ZV_GetCellOptions(1;$a;$b;$pict;$c;$d;$e))
$results:=$results+" "+String(ZV_SetSelectionOptions(1;2;0;1))
$results:=$results+" "+String(ZV_GetSelectionOptions(1;$a;$b;$c))
$results:=$results+" "+String(ZV_SetCellsPerRow(1;3))
$results:=$results+" "+String(ZV_GetCellsPerRow(1;$a))
$results:=$results+" "+String(ZV_SetNumCells(1;"10"))
$results:=$results+" "+String(ZV_GetNumCells(1;$t))
$results:=$results+" "+String(ZV_SetCellPicture(1;"p";0;0;10;10;4))
$results:=$results+" "+String(ZV_GetCellPicture(1;$t;$a;$b;$c;$d;$e))
$results:=$results+" "+String(ZV_SetCellCaption(1;"c";0;0;10;10;""))
$results:=$results+" "+String(ZV_GetCellCaption(1;$t;$a;$b;$c;$d;$u))
$results:=$results+" "+String(ZV_SetCaptionFont(1;"Sans";12;0))
$results:=$results+" "+String(ZV_GetCaptionFont(1;$t;$a;$b))
$results:=$results+" "+String(ZV_SetCaptionColors(1;0;0xFFFFFF))
$results:=$results+" "+String(ZV_GetCaptionColors(1;$a;$b))
$results:=$results+" "+String(ZV_SetCaptionAlignment(1;1;1))
$results:=$results+" "+String(ZV_GetCaptionAlignment(1;$a;$b))
$results:=$results+" "+String(ZVObs_SetCaptionStyle(1;"Sans";12;0;1;0;0))
$results:=$results+" "+String(ZVObs_GetCaptionStyle(1;$t;$a;$b;$c;$d;$e))
$results:=$results+" "+String(ZVObs_SetAreaStyle(1;0;0))
$results:=$results+" "+String(ZVObs_GetAreaStyle(1;$a;$b))
$results:=$results+" "+String(ZV_SetAreaAlignment(1;1;1))
$results:=$results+" "+String(ZV_GetAreaAlignment(1;$a;$b))
$results:=$results+" "+String(ZV_SetCellSpacing(1;2;2))
$results:=$results+" "+String(ZV_GetCellSpacing(1;$a;$b))
$results:=$results+" "+String(ZV_SetSelection(1;1;$cells))
$results:=$results+" "+String(ZV_GetSelection(1;$a;$cells))
$results:=$results+" "+String(ZV_RevealCell(1;1))
$results:=$results+" "+String(ZV_UpdateArea(1;8;0;0))
$results:=$results+" "+String(ZV_SetAreaBackgroundColor(1;0))
$results:=$results+" "+String(ZV_GetAreaBackgroundColor(1;$a))
$results:=$results+" "+String(ZV_CaptureCell(1;1;$pict))
$results:=$results+" "+String(ZV_SetEventHandler(1;"handler";0x12010))
$results:=$results+" "+String(ZV_SetCacheSize(1;100000000))
$results:=$results+" "+String(ZV_GetCacheSize(1;$a))
$results:=$results+" "+String(ZV_SetDragOptions(1;0;1;0;30))
$results:=$results+" "+String(ZV_GetDragOptions(1;$a;$b;$c;$d))
$results:=$results+" "+String(ZVObs_SetDragSignatures(1;$sigs))
$results:=$results+" "+String(ZVObs_GetDragSignatures(1;$sigs))
$results:=$results+" "+String(ZVObs_SetDropSignatures(1;$sigs))
$results:=$results+" "+String(ZVObs_GetDropSignatures(1;$sigs))
$results:=$results+" "+String(ZVObs_GetDragSource(1;$a;$b;$t))
$results:=$results+" "+String(ZV_GetDropCell(1;$a))
LOG($results)
LOG($a;$b;$c;$d;$e;$f;$t;$u)
LOG(Size of array($cells);$cells{1};$cells{2};Size of array($sigs);$sigs{1})
$version:=""
$full:=""
LOG(ZV_GetVersion($version;$full);$version;$full)
LOG(ZVObs_GetQuickTimeVersion($t);$t)
