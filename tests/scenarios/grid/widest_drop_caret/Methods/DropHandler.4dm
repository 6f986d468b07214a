C_LONGINT($1;$2;$3)
If($1=gLeft)
  LOG("drop between grids";"left";$3)
Else
  LOG("drop between grids";"right";$3)
End if
