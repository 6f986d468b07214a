// Whether the file name $1 ends with the extension of a picture format the host reads.
C_TEXT($1;$name)
$name:=Lowercase($1)
$0:=False
$dot:=0
For($i;1;Length($name))
  If(Substring($name;$i;1)=".")
    $dot:=$i
  End if
End for
If($dot>0)
  $extension:=Substring($name;$dot+1)
  $0:=($extension="jpg")|($extension="jpeg")|($extension="png")|($extension="tif")|($extension="tiff")
End if
