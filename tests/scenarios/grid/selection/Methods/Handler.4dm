// The event handler: logs what it hears and the selection as the commands read it back, then
// does what gAction asks of the area it was called for.
$cell:=0
ARRAY LONGINT($cells;0)
$error:=ZV_GetSelection($1;$cell;$cells)
$list:=""
For($i;1;Size of array($cells))
  $list:=$list+" "+String($cells{$i})
End for
LOG("event";$2;"cell";$3;"selection";$error;$cell;$list)
If(gAction="close")
  CLOSE WINDOW(gWindow)
End if
If(gAction="recount")
  ASSERT(ZV_SetNumCells($1;"3")=0)
End if
If(gAction="unset")
  ASSERT(ZV_SetEventHandler($1;"";0)=0)
End if
If(gAction="replace")
  ASSERT(ZV_SetEventHandler($1;"Handler";0x10)=0)
End if
gAction:=""
