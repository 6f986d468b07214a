If(Form event code=16)
  $cell:=0
  $error:=ZV_GetDropCell(gRight;$cell)
  LOG("host drop";$error;$cell)
End if
