// Moves cell $2 of grid $1 out of its arrays onto the end of gMoved.
C_LONGINT($1;$2)
If($1=<>gLeft)
  APPEND TO ARRAY(gMovedPictures;gLeftPictures{$2})
  APPEND TO ARRAY(gMovedNames;gLeftNames{$2})
  DELETE FROM ARRAY(gLeftPictures;$2)
  DELETE FROM ARRAY(gLeftNames;$2)
Else
  APPEND TO ARRAY(gMovedPictures;gRightPictures{$2})
  APPEND TO ARRAY(gMovedNames;gRightNames{$2})
  DELETE FROM ARRAY(gRightPictures;$2)
  DELETE FROM ARRAY(gRightNames;$2)
End if
