// Called from both expressions: at cell gAt, once, does what gMode names to the area being loaded.
gSeen:=gSeen+String(gZVCurrentCell)+" "
If (gZVCurrentCell=gAt)
  If (gMode#"")
    $mode:=gMode
    gMode:=""
    If ($mode="close")
      CLOSE WINDOW(gW)
    End if
    If ($mode="count")
      gInner:=ZV_SetNumCells(gRef;"2")
    End if
    If ($mode="purge")
      gInner:=ZV_UpdateArea(gRef;8;0;0)
    End if
    If ($mode="recount")
      gInner:=ZV_UpdateArea(gRef;2;0;0)
    End if
    If ($mode="picture")
      gInner:=ZV_SetCellPicture(gRef;"OtherPicture";0;0;100;80;0)
    End if
    If ($mode="caption")
      gInner:=ZV_SetCellCaption(gRef;"OtherCaption";0;80;100;100;"")
    End if
  End if
End if
