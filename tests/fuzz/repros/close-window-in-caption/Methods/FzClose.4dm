If (gFzOpen1=1)
gFzOpen1:=0
CLOSE WINDOW(gFzWin1)
End if
$0:=gFzPict
