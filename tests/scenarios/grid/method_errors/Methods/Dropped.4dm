// The grid's object method: fails on the drop.
If(Form event code=16)
  LOG("drop")
  $n:=Length("a";"b")
End if
