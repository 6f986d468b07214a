gSeen:=gSeen+String(gZVCurrentCell)+" "
If (gZVCurrentCell=gAt)
  CLOSE WINDOW(gW)
End if
READ PICTURE FILE("../../../data/red-blue16x8.jpg";$0)
