// Inserts moved picture $3 into grid $1 before its cell $2.
C_LONGINT($1;$2;$3)
If($1=<>gLeft)
  INSERT IN ARRAY(gLeftPictures;$2)
  INSERT IN ARRAY(gLeftNames;$2)
  gLeftPictures{$2}:=gMovedPictures{$3}
  gLeftNames{$2}:=gMovedNames{$3}
Else
  INSERT IN ARRAY(gRightPictures;$2)
  INSERT IN ARRAY(gRightNames;$2)
  gRightPictures{$2}:=gMovedPictures{$3}
  gRightNames{$2}:=gMovedNames{$3}
End if
