// With --keep-going an event handler's error is still reported on standard error, but the run
// ends with status 0.
C_PICTURE($none)
$w:=Open window(0;0;200;100)
$ref:=Plugin area($w;"grid";0;0;200;100)
ASSERT(ZV_SetCellOptions($ref;40;40;$none;0;0;0)=0)
ASSERT(ZV_SetNumCells($ref;"3")=0)
ASSERT(ZV_SetEventHandler($ref;"Clicked";0x10)=0)
IDLE
MOUSE CLICK($w;10;10)
LOG("end")
CLOSE WINDOW($w)
