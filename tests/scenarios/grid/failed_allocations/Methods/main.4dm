// Drawing objects that cannot be had: the sanitizer build runs this with every allocation above
// 8 MB failing, so the renderings of these 900 x 3000 cells (10.8 MB each, few enough screens
// to be kept) are never made and the cells are drawn as they are. The event loop, scrolling,
// and clicks go on; the normal build runs the same steps with every allocation
// granted, and answers the same.
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)
C_PICTURE(gNone)
gEvaluations:=0
$w:=Open window(0;0;1000;1000)
$ref:=Plugin area($w;"grid";0;0;1000;1000)
ASSERT(ZV_SetSelectionOptions($ref;2;0xFF0000;4)=0)
ASSERT(ZV_SetCellOptions($ref;900;3000;gNone;0;0;0)=0)
ASSERT(ZV_SetCellPicture($ref;"Counted";100;100;800;2800;2)=0)
ASSERT(ZV_SetCellCaption($ref;"\"Cell \"+String(gZVCurrentCell)";0;2800;900;3000;"")=0)
ASSERT(ZV_SetNumCells($ref;"40")=0)
IDLE
LOG("evaluated";gEvaluations)
For ($i;1;50)
  MOUSE WHEEL($w;200;200;-1)
End for
IDLE
MOUSE CLICK($w;200;200)
IDLE
$cell:=0
ARRAY LONGINT($cells;0)
LOG("selected";ZV_GetSelection($ref;$cell;$cells);$cell)
ZV_RevealCell($ref;40)
IDLE
LOG("evaluated in all";gEvaluations)
CLOSE WINDOW($w)
