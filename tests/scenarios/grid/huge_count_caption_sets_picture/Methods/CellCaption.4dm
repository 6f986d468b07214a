gCaptions:=gCaptions+1
If (gCaptions<300)
$e:=ZV_SetCellPicture(gRef;"CellPicture";0;0;80;80;5)
End if
$0:=String(gCaptions)
