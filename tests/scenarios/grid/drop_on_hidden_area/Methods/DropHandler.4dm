C_LONGINT($1;$2;$3)
$name:="?"
If($1=gSource)
  $name:="source"
End if
If($1=gHidden)
  $name:="hidden"
End if
If($1=gUnder)
  $name:="under"
End if
If($1=gAlone)
  $name:="alone"
End if
LOG("drop between grids";$name;$3)
