// Closes the window once the last cell comes into view.
If(gZVCurrentCell=30)
  CLOSE WINDOW(gW)
End if
$0:=String(gZVCurrentCell)
