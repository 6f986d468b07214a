// Hang (23 s wall, 1.5 s CPU, against 2.7 s and 0.16 s with 1000 cells): 2147483647 cells whose
// caption expression fails (recursion past the call depth), twelve idles. Shrunk from seed 134
// with --shapes huge-cells,huge-counts.
C_PICTURE($none)
gFzWin1:=Open window(21;259;514;293)
gFzArea1:=Plugin area(gFzWin1;"grid";462;-32;782;289;0)
$e:=ZV_SetCellOptions(gFzArea1;21;30;$none;0;0;0)
$e:=ZV_SetNumCells(gFzArea1;"2147483647")
$e:=ZV_SetCellCaption(gFzArea1;"FzRecurse";0;60;80;80;"")
For ($i;1;12)
IDLE
End for
