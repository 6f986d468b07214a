// The caption of a cell: the second one's fails, outside its array.
gCaptions:=gCaptions+1
If(gZVCurrentCell=2)
  $0:=gNames{7}
Else
  $0:=gNames{gZVCurrentCell}
End if
