// A cell evaluated while the host drag auto-scrolls closes the window: the drag goes on without
// the area.
$w:=Open window(0;0;400;300)
gW:=$w
gRef:=Plugin area($w;"grid";0;0;400;300)
OBJECT SET DRAG AND DROP OPTIONS(gRef;False;False;True;False)
C_PICTURE(gNone)
ASSERT(ZV_SetCellOptions(gRef;60;60;gNone;0;0;0)=0)
ASSERT(ZV_SetCellSpacing(gRef;10;10)=0)
ASSERT(ZV_SetCellCaption(gRef;"caption";0;20;60;40;"")=0)
ASSERT(ZV_SetNumCells(gRef;"30")=0)
IDLE
HOST DRAG($w;100;100;100;290;10;60)
LOG("done")
