// A grid for a person to drive in a live window: twelve captioned cells, three a row, two rows in
// view, multiple selection and tips. $1: the folder the handler's snapshots go to.
gSnapshots:=$1
gClicks:=0
ARRAY TEXT(gNames;0)
ARRAY PICTURE(gPictures;0)
For($i;1;12)
  APPEND TO ARRAY(gNames;"Cell "+String($i))
  C_PICTURE($none)
  APPEND TO ARRAY(gPictures;$none)
End for
gWindow:=Open window(100;80;100+400;80+240;1;"Live grid")
$grid:=Plugin area(gWindow;"grid";0;0;400;240)
C_PICTURE($card)
ASSERT(ZV_SetAreaBackgroundColor($grid;0x00DCE0E6)=0)
ASSERT(ZV_SetCellOptions($grid;120;100;$card;1;0;0)=0)
ASSERT(ZV_SetCellSpacing($grid;8;8)=0)
ASSERT(ZV_SetCellsPerRow($grid;3)=0)
ASSERT(ZV_SetCellPicture($grid;"gPictures{gZVCurrentCell}";4;4;116;70;11)=0)
ASSERT(ZV_SetCellCaption($grid;"gNames{gZVCurrentCell}";4;74;116;96;"")=0)
ASSERT(ZV_SetCaptionFont($grid;"DejaVu Sans";11;0)=0)
ASSERT(ZV_SetNumCells($grid;"Size of array(gNames)")=0)
ASSERT(ZV_SetSelectionOptions($grid;6;0x002060D0;3)=0)
ASSERT(ZV_SetEventHandler($grid;"GridEvent";0x2010)=0)
IDLE
// Bit 22: tips; the area takes its flags from the form at its first event, so they come after.
ASSERT(ZV_SetAreaFlags($grid;0x00400000)=0)
LOG("ready";Live windows)
