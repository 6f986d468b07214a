// Scrolling a 100-cell grid by the bars, the wheel and RevealCell; where the view is shows as the
// cell under the window point (20, 20), read through ZV_GetCellCaption's hit-test form.
C_PICTURE($none)
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
ASSERT(ZV_SetCellOptions($ref;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellSpacing($ref;10;10)=0)
ASSERT(ZV_SetNumCells($ref;"100")=0)
IDLE

// 4 cells a row (the bar takes 16 of the 500), 25 rows: 2760 pixels, 400 in view.
$cell:="cell"
$h:=20
$v:=20
LOG("top";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

LOG("reveal out of range";ZV_RevealCell($ref;0);ZV_RevealCell($ref;101))
LOG("reveal visible";ZV_RevealCell($ref;2);ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
// Cell 41 (row 11, 1110 to 1210) comes up to the bottom: the view starts at 810.
LOG("reveal 41";ZV_RevealCell($ref;41))
$v:=399-10
LOG("bottom row";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
$v:=20
LOG("top row";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// Back to the top, then ten wheel notches down: 30 pixels each.
ASSERT(ZV_RevealCell($ref;1)=0)
For($i;1;10)
  MOUSE WHEEL($w;100;100;-1)
End for
$v:=20
LOG("after the wheel";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// The bar's down arrow (its bottom 16 pixels): one click, 30 pixels more.
MOUSE CLICK($w;492;392)
$v:=20
LOG("after the arrow";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// Dragging the thumb (at 60 to 113 of the bar's 16 to 384 track) down by 63 of the 315 pixels it
// can travel scrolls live by 63 / 315 of 2360: to about 802, showing row 7 at the top.
MOUSE DRAG($w;492;80;492;143)
LOG("after the thumb";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// Scroll by cell: notches snap the view to the row edges (the gap above a row) they pass.
ZV_SetAreaFlags($ref;0x200000)
MOUSE WHEEL($w;100;100;-1)
MOUSE WHEEL($w;100;100;-1)
MOUSE WHEEL($w;100;100;-1)
LOG("by cell";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// Ten cells a row: 1110 wide, so both bars. With the shift key held the wheel scrolls sideways.
ZV_SetAreaFlags($ref;0)
ASSERT(ZV_SetCellsPerRow($ref;10)=0)
ASSERT(ZV_RevealCell($ref;1)=0)
$v:=20
LOG("ten a row";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
For($i;1;4)
  MOUSE WHEEL($w;100;100;-1;0x200)
End for
LOG("shift and wheel";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

CLOSE WINDOW($w)
