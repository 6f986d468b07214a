If(Form event code=16)
  LOG("host drop on under")
End if
