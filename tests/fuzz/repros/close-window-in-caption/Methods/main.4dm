// heap-use-after-free in GridCache::SlotFor (from ZorvinArea::LoadCellData, LoadVisibleCellData,
// SetCaptionExpression): the caption method of the first cell closes the window while
// ZV_SetCellCaption loads the visible cells; the area was freed by CXAreaManager::DeinitArea.
// Sanitizer build only. From seed 3 with --shapes closing-methods,reentrant-setters.
C_PICTURE($none)
READ PICTURE FILE("p.png";gFzPict)
gFzWin1:=Open window(0;0;400;300)
gFzOpen1:=1
gFzArea1:=Plugin area(gFzWin1;"grid";0;0;400;300)
$e:=ZV_SetCellOptions(gFzArea1;99;121;$none;0;0;0)
$e:=ZV_SetNumCells(gFzArea1;"20")
IDLE
$e:=ZV_SetCellCaption(gFzArea1;"FzClose";0;60;80;80;"")
