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
gFzEvents:=gFzEvents+1
