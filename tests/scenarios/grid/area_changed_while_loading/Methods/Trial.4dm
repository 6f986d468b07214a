// $1 the command that loads cells, $2 what the cell method does to the area at cell $3.
gW:=Open window(0;0;500;400)
gRef:=Plugin area(gW;"grid";0;0;500;400)
IDLE
$result:=ZV_SetCellOptions(gRef;100;100;gNone;0;0;0)
If ($1#"count")
  $result:=ZV_SetNumCells(gRef;"100")
End if
If ($1#"picture")
  $result:=ZV_SetCellCaption(gRef;"CellCaption";0;80;100;100;"")
End if
gSeen:=""
gInner:=0
gAt:=$3
gMode:=$2
If ($1="count")
  $result:=ZV_SetNumCells(gRef;"100")
End if
If ($1="picture")
  $result:=ZV_SetCellPicture(gRef;"CellPicture";0;0;100;80;0)
End if
If ($1="caption")
  $result:=ZV_SetCellCaption(gRef;"CellCaption";0;80;100;100;"")
End if
If ($1="reveal")
  $result:=ZV_RevealCell(gRef;60)
End if
If ($1="size")
  $result:=ZV_SetCellOptions(gRef;90;90;gNone;0;0;0)
End if
LOG($1;$2;$result;gInner;gSeen)
$text:=""
$count:=ZV_GetNumCells(gRef;$text)
If ($2="close")
  LOG("  then";$count;ZV_SetNumCells(gRef;"5");ZV_RevealCell(gRef;1))
Else
  gSeen:=""
  IDLE
  LOG("  then";$count;$text;gSeen)
  CLOSE WINDOW(gW)
End if
