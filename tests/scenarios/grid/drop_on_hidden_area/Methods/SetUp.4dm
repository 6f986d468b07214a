// Ten 60 x 60 cells that drag and take drops of one signature; drops go to DropHandler.
C_LONGINT($1)
C_PICTURE($none)
ASSERT(ZV_SetCellOptions($1;60;60;$none;0;0;0)=0)
ASSERT(ZV_SetNumCells($1;"10")=0)
ASSERT(ZV_SetSelectionOptions($1;6;0xFF0000;2)=0)
ARRAY TEXT($signatures;1)
$signatures{1}:="card"
ASSERT(ZVObs_SetDragSignatures($1;$signatures)=0)
ASSERT(ZVObs_SetDropSignatures($1;$signatures)=0)
ASSERT(ZV_SetEventHandler($1;"DropHandler";0x00010000)=0)
OBJECT SET DRAG AND DROP OPTIONS($1;False;False;True;False)
