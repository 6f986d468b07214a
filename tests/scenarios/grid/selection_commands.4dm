// The selection commands' validation and resets, Select All, and the keys that scroll.
C_PICTURE($none)
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
ASSERT(ZV_SetCellOptions($ref;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellSpacing($ref;10;10)=0)
ASSERT(ZV_SetNumCells($ref;"10")=0)
IDLE

$kind:=-1
$color:=-1
$width:=-1
LOG("defaults";ZV_GetSelectionOptions($ref;$kind;$color;$width);$kind;$color;$width)
LOG("no area resets";ZV_GetSelectionOptions(0;$kind;$color;$width);$kind;$color;$width)
LOG("bad kind";ZV_SetSelectionOptions($ref;3;0xFF;2))
LOG("new colour, width 0";ZV_SetSelectionOptions($ref;2;0xFF;0))
LOG("width above 16 bits";ZV_SetSelectionOptions($ref;2;0xFF;40000))
LOG("unchanged";ZV_GetSelectionOptions($ref;$kind;$color;$width);$kind;$color;$width)

$cell:=-7
ARRAY LONGINT($cells;2)
$cells{1}:=8
$cells{2}:=9
ARRAY TEXT($texts;1)
LOG("-- single")
LOG("set 5 ignores the array";ZV_SetSelection($ref;5;$cells))
LOG("get";ZV_GetSelection($ref;$cell;$cells);$cell;Size of array($cells);$cells{1})
LOG("text array";ZV_SetSelection($ref;4;$texts);ZV_GetSelection($ref;$cell;$texts);$cell)
LOG("out of range empties";ZV_SetSelection($ref;11;$undefined);ZV_GetSelection($ref;$cell;$cells);$cell)

LOG("-- multiple")
LOG("options";ZV_SetSelectionOptions($ref;6;0xFF0000;2))
ARRAY LONGINT($cells;3)
$cells{1}:=3
$cells{2}:=99
$cells{3}:=5
LOG("3, 99, 5";ZV_SetSelection($ref;0;$cells))
$cell:=-7
LOG("get";ZV_GetSelection($ref;$cell;$cells);$cell;Size of array($cells);$cells{1};$cells{2})
ARRAY LONGINT($cells;2)
$cells{1}:=9
$cells{2}:=2
LOG("9, 2";ZV_SetSelection($ref;0;$cells))
ARRAY LONGINT($cells;0)
LOG("empty array";ZV_SetSelection($ref;0;$cells))
LOG("still";ZV_GetSelection($ref;$cell;$cells);Size of array($cells);$cells{1};$cells{2})
LOG("undefined and 4";ZV_SetSelection($ref;4;$undefined))
LOG("get";ZV_GetSelection($ref;$cell;$cells);Size of array($cells);$cells{1})
LOG("undefined and 0";ZV_SetSelection($ref;0;$undefined))
LOG("get";ZV_GetSelection($ref;$cell;$cells);Size of array($cells))

LOG("-- Select All, the kind and the count")
AREA EVENT($ref;35)
LOG("all";ZV_GetSelection($ref;$cell;$cells);Size of array($cells);$cells{10})
LOG("same kind keeps";ZV_SetSelectionOptions($ref;6;0xFF0000;3);ZV_GetSelection($ref;$cell;$cells);Size of array($cells))
LOG("same count empties";ZV_SetNumCells($ref;"10");ZV_GetSelection($ref;$cell;$cells);Size of array($cells))
AREA EVENT($ref;35)
LOG("single kind empties";ZV_SetSelectionOptions($ref;2;0xFF0000;3);ZV_GetSelection($ref;$cell;$cells);$cell)
AREA EVENT($ref;35)
LOG("single, 10 cells";ZV_GetSelection($ref;$cell;$cells);$cell)
ASSERT(ZV_SetNumCells($ref;"1")=0)
AREA EVENT($ref;35)
LOG("single, 1 cell";ZV_GetSelection($ref;$cell;$cells);$cell)
ASSERT(ZV_SetNumCells($ref;"0")=0)
ASSERT(ZV_SetSelectionOptions($ref;6;0xFF0000;3)=0)
LOG("no cells";ZV_SetSelection($ref;1;$undefined);ZV_GetSelection($ref;$cell;$cells);Size of array($cells))

LOG("-- none")
ASSERT(ZV_SetNumCells($ref;"100")=0)
LOG("options";ZV_SetSelectionOptions($ref;1;0xFF0000;3))
$cell:=-7
LOG("set";ZV_SetSelection($ref;1;$undefined);"get";ZV_GetSelection($ref;$cell;$cells);$cell)
AREA EVENT($ref;35)

LOG("-- keys: 100 cells, 25 rows of 110, 400 in view; the cell under (20, 20) shows where")
$probe:="cell"
$h:=20
$v:=20
// The key code rides in the second byte of the message; 112 comes back when not taken.
$msg:=145*256
AREA EVENT($ref;3;$msg)
LOG("down";$msg;ZV_GetCellCaption($ref;$probe;$h;$v;$r;$b;$format))
$msg:=141*256
AREA EVENT($ref;3;$msg)
LOG("page down";$msg;ZV_GetCellCaption($ref;$probe;$h;$v;$r;$b;$format))
$msg:=139*256
AREA EVENT($ref;3;$msg)
LOG("end";$msg;ZV_GetCellCaption($ref;$probe;$h;$v;$r;$b;$format))
$msg:=145*256
AREA EVENT($ref;3;$msg)
LOG("down at the end";$msg)
$msg:=142*256
AREA EVENT($ref;3;$msg)
LOG("left without a bar";$msg)
$msg:=138*256
AREA EVENT($ref;3;$msg)
LOG("home";$msg;ZV_GetCellCaption($ref;$probe;$h;$v;$r;$b;$format))
$msg:=144*256
AREA EVENT($ref;3;$msg)
LOG("up at the top";$msg)
$msg:=65
AREA EVENT($ref;3;$msg)
LOG("a letter";$msg)
CLOSE WINDOW($w)
