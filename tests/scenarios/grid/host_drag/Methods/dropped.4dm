// The grid's object method: the drop cell as the database reads it when the drop lands.
If(Form event code=16)
  $cell:=0
  LOG("drop";ZV_GetDropCell(gRef;$cell);$cell)
End if
