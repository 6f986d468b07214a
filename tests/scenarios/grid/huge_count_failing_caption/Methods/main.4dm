// 2147483647 cells whose caption method fails (it recurses past the call depth): the cells in
// view are evaluated once and kept, and idles evaluate nothing, as with a thousand cells.
C_PICTURE($none)
gCalls:=0
$w:=Open window(21;259;514;293)
$ref:=Plugin area($w;"grid";0;0;320;321;0)
ASSERT(ZV_SetCellOptions($ref;21;30;$none;0;0;0)=0;"cell options")
ASSERT(ZV_SetNumCells($ref;"2147483647")=0;"count")
LOG("caption";ZV_SetCellCaption($ref;"Recurse";0;60;80;80;""))
LOG("calls";gCalls)
IDLE
LOG("calls after the first idle";gCalls)
For ($i;1;11)
IDLE
End for
LOG("calls after eleven more";gCalls)
CLOSE WINDOW($w)
