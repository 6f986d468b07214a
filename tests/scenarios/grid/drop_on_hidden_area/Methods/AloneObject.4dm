If(Form event code=16)
  LOG("host drop on alone")
End if
