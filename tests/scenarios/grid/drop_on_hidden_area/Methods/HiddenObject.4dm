If(Form event code=16)
  LOG("host drop on hidden")
End if
