C_PICTURE($none)
C_PICTURE($oP)
$oL1:=0
$oL2:=0
$oL3:=0
$oL4:=0
$oL5:=0
$oL6:=0
$oT1:=""
$oT2:=""
$long:="long long text"
$e:=ZV_SetCellCaption(gFzArea1;"FzCount";22;0;11;0;"Sans")
ZV_GetCaptionFont(gFzArea1;$oT1;$oL1;$oL2)
$e:=ZVObs_GetQuickTimeVersion($oT1)
ZV_RevealCell(gFzArea1;33)
$0:=gFzPict
