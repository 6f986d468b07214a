gEvaluated:=gEvaluated+1
If (gEvaluated=100)
CLOSE WINDOW(gWin)
End if
$0:=gPict
