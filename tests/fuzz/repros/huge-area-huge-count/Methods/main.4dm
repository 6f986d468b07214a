// fuzz seed 2094, shapes 63
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
$e:=0
$msg:=0
$mods:=0
$long:=""
ARRAY LONGINT($aL;0)
APPEND TO ARRAY($aL;1)
APPEND TO ARRAY($aL;28)
APPEND TO ARRAY($aL;2147483647)
APPEND TO ARRAY($aL;41)
ARRAY LONGINT($aE;0)
ARRAY LONGINT($aBig;2821)
For ($i;1;Size of array($aBig))
$aBig{$i}:=$i
End for
ARRAY TEXT($aT;0)
APPEND TO ARRAY($aT;"ZVIT")
APPEND TO ARRAY($aT;"")
APPEND TO ARRAY($aT;$long)
ARRAY REAL($aR;2)
ARRAY PICTURE($aP;2)
gFzCount:=25
gZVCurrentCell:=0
gFzCaptions:=0
gFzPictures:=0
gFzEvents:=0
READ PICTURE FILE("p.png";gFzPict)
gFzWin1:=Open window(162;248;1226;2241)
gFzOpen1:=1
If (gFzOpen1=1)
gFzArea1:=Plugin area(gFzWin1;"grid";201;934;5745;13722)
End if
If (gFzOpen1=1)
$e:=ZV_SetCellOptions(gFzArea1;41;45;$none;0;0;0)
$e:=ZV_SetNumCells(gFzArea1;"2147483647")
$e:=ZV_SetCellPicture(gFzArea1;"FzCount";0;0;80;60;0)
$e:=ZV_SetCellCaption(gFzArea1;"FzLongCaption";0;60;80;80;"")
IDLE
End if
ZV_SetCaptionAlignment(gFzArea1;911;1)
IDLE
$e:=ZV_GetCaptionAlignment(gFzArea1;$oL1;$oL2)
If (gFzOpen1=1)
MOUSE WHEEL(gFzWin1;654;1130;-1)
End if
IDLE
ZV_SetDragOptions((-2147483647-1);10;7;16777215;909)
If (gFzOpen1=1)
gFzOpen1:=0
CLOSE WINDOW(gFzWin1)
End if
ZV_SetCacheSize(2147483647;11)
ZVObs_SetCaptionStyle(gFzArea1;"%d";19;2130706432;1;20;466)
$e:=ZV_SetAreaAlignment(gFzArea1;320;600)
ZV_SetSelection(gFzArea1;18;$aE)
ASSERT(ZV_GetNumCells(gFzArea1;$oT1)=-50;"ZV_GetNumCells on a dead reference")
ZV_UpdateArea(gFzArea1;18;-1;5)
IDLE
ZV_SetDragOptions((-2147483647-1);-2;14;16777215;1)
ADVANCE TICKS(61)
ASSERT(ZV_GetAreaFlags(0;$oL1)=-50;"ZV_GetAreaFlags on a dead reference")
ASSERT(ZV_GetCacheSize(gFzArea1;$oL1)=-50;"ZV_GetCacheSize on a dead reference")
ZV_RevealCell(2147483647;13)
POST KEY(97;139;600)
ZV_SetCellSpacing(-1;367;383)
IDLE
