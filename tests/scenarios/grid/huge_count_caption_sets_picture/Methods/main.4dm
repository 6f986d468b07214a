// 2147483647 cells whose caption method sets the area's own picture expression: each setting
// loads the cells in view again, which runs the caption method again, down to the call depth
// limit. The evaluations stay in proportion to the cells in view, and once loaded, idles
// evaluate nothing. The caption method stops setting past 300 evaluations, so the walk ends.
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)
gCaptions:=0
gPictures:=0
$w:=Open window(0;0;400;300)
gRef:=Plugin area($w;"grid";0;0;400;300)
IDLE
ASSERT(ZV_SetNumCells(gRef;"2147483647")=0;"count")
LOG("caption";ZV_SetCellCaption(gRef;"CellCaption";0;60;80;80;""))
LOG("captions";gCaptions;"pictures";gPictures)
IDLE
IDLE
LOG("after two idles";gCaptions;gPictures)
CLOSE WINDOW($w)
