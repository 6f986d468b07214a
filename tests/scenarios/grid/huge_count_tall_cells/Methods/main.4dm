// 2147483647 cells, each 2147483647 pixels tall: the document is taller than any whole number of
// pixels the view can reach, yet the view shows one cell and only that cell is evaluated. The
// picture method closes the window past 100 evaluations, so a load that walks every cell ends.
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)
C_PICTURE($none)
gEvaluated:=0
gWin:=Open window(0;0;400;300)
gRef:=Plugin area(gWin;"grid";0;0;400;300)
IDLE
ASSERT(ZV_SetNumCells(gRef;"2147483647")=0;"count")
ASSERT(ZV_SetCellPicture(gRef;"CellPicture";0;0;80;80;5)=0;"picture expression")
LOG("loaded";gEvaluated)
LOG("cell options";ZV_SetCellOptions(gRef;32767;2147483647;$none;0;0;0))
LOG("after cell options";gEvaluated)
IDLE
IDLE
LOG("after two idles";gEvaluated)
LOG("reveal";ZV_RevealCell(gRef;2147483647))
IDLE
LOG("after reveal";gEvaluated)
CLOSE WINDOW(gWin)
