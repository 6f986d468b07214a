// A grid of picture cards for the arrays named by $2 (gLeft or gRight): multiple selection,
// dragging and dropping pictures, and the drop handler.
C_LONGINT($1)
C_TEXT($2)
ASSERT(ZV_SetAreaBackgroundColor($1;0x00DCE0E6)=0)
C_PICTURE($none)
ASSERT(ZV_SetCellOptions($1;110;122;$none;1;0;0)=0)
ASSERT(ZV_SetCellSpacing($1;6;6)=0)
ASSERT(ZV_SetCellPicture($1;$2+"Pictures{gZVCurrentCell}";6;6;104;92;11)=0)
ASSERT(ZV_SetCellCaption($1;$2+"Names{gZVCurrentCell}";4;96;106;118;"")=0)
ASSERT(ZV_SetCaptionFont($1;"DejaVu Sans";10;0)=0)
ASSERT(ZV_SetCaptionAlignment($1;1;1)=0)
ASSERT(ZV_SetNumCells($1;"Size of array("+$2+"Pictures)")=0)
ASSERT(ZV_SetSelectionOptions($1;6;0x002060D0;3)=0)
ARRAY TEXT($signatures;1)
$signatures{1}:="sorter picture"
ASSERT(ZVObs_SetDragSignatures($1;$signatures)=0)
ASSERT(ZVObs_SetDropSignatures($1;$signatures)=0)
// Bit 16: drops.
ASSERT(ZV_SetEventHandler($1;"DropHandler";0x00010000)=0)
