// Clicks select cells by the selection kind and the modifier keys; the handler hears each
// click with the selection already changed. 20 cells of 100 x 100 with 10 between, 4 a row:
// cell n is centred at (60 + 110 x ((n - 1) mod 4), 60 + 110 x ((n - 1) \ 4)).
C_PICTURE($none)
gAction:=""
gWindow:=Open window(0;0;500;400)
$ref:=Plugin area(gWindow;"grid";0;0;500;400)
ASSERT(ZV_SetCellOptions($ref;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellSpacing($ref;10;10)=0)
ASSERT(ZV_SetNumCells($ref;"20")=0)
IDLE

LOG("-- handler")
LOG("unknown method";ZV_SetEventHandler($ref;"NoSuchMethod";0x10))
LOG("mask without 4, 13, 16";ZV_SetEventHandler($ref;"Handler";0x20))
LOG("no area";ZV_SetEventHandler(0;"Handler";0x10))
LOG("set";ZV_SetEventHandler($ref;"Handler";0x12010))

LOG("-- single: click 3, then 5 later; a click in a gap and outside the cells empty it")
MOUSE CLICK(gWindow;280;60;0;100)
MOUSE CLICK(gWindow;60;170;0;100)
MOUSE CLICK(gWindow;5;60;0;100)
MOUSE CLICK(gWindow;170;60;0;100)
MOUSE CLICK(gWindow;470;60;0;100)
LOG("-- single: a double click, a third quick click, then two quick clicks 5 apart")
MOUSE CLICK(gWindow;60;60;0;100)
MOUSE CLICK(gWindow;62;63;0;5)
MOUSE CLICK(gWindow;62;63;0;5)
MOUSE CLICK(gWindow;170;170;0;100)
MOUSE CLICK(gWindow;175;170;0;5)
LOG("-- single: command-click on the selected cell deselects it")
MOUSE CLICK(gWindow;170;170;0x100;100)

LOG("-- multiple: click 2, shift 6, shift 4, command 3, plain click on 4 keeps, plain 7")
LOG("options";ZV_SetSelectionOptions($ref;6;0x0000FF;3))
MOUSE CLICK(gWindow;170;60;0;100)
MOUSE CLICK(gWindow;170;170;0x200;100)
MOUSE CLICK(gWindow;390;60;0x200;100)
MOUSE CLICK(gWindow;280;60;0x100;100)
MOUSE CLICK(gWindow;390;60;0;100)
MOUSE CLICK(gWindow;280;170;0;100)
LOG("-- multiple: after a recount a first shift-click selects just its cell")
ASSERT(ZV_UpdateArea($ref;2;0;0)=0)
MOUSE CLICK(gWindow;280;170;0x200;100)

LOG("-- none: clicks only report")
LOG("options";ZV_SetSelectionOptions($ref;1;0x0000FF;3))
MOUSE CLICK(gWindow;60;60;0;100)

LOG("-- mask 0x10: double clicks are not heard")
LOG("options";ZV_SetSelectionOptions($ref;2;0x0000FF;3))
LOG("set";ZV_SetEventHandler($ref;"Handler";0x10))
MOUSE CLICK(gWindow;60;60;0;100)
MOUSE CLICK(gWindow;60;60;0;5)
LOG("removed";ZV_SetEventHandler($ref;"";0))
MOUSE CLICK(gWindow;170;60;0;100)

LOG("-- a handler that recounts to 3 cells during a click on cell 6, then is replaced")
ASSERT(ZV_SetEventHandler($ref;"Handler";0x12010)=0)
gAction:="recount"
MOUSE CLICK(gWindow;170;170;0;100)
$cell:=0
ARRAY LONGINT($cells;0)
LOG("after";ZV_GetSelection($ref;$cell;$cells);$cell)
gAction:="unset"
MOUSE CLICK(gWindow;60;60;0;100)
MOUSE CLICK(gWindow;170;60;0;100)
ASSERT(ZV_SetEventHandler($ref;"Handler";0x12010)=0)
gAction:="replace"
MOUSE CLICK(gWindow;280;60;0;100)
MOUSE CLICK(gWindow;280;60;0;5)
LOG("-- a handler that closes the window during a click")
ASSERT(ZV_SetEventHandler($ref;"Handler";0x12010)=0)
gAction:="close"
MOUSE CLICK(gWindow;60;60;0;100)
LOG("closed";ZV_GetSelection($ref;$cell;$cells))
