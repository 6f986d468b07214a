// Ten million cells. Rows lie 110 pixels apart to the end of a 275-million-pixel document, and
// the hit test finds the cell drawn at a point; a 3.1-billion-pixel document, longer than the
// bars count, still scrolls by the thumb, arrows, the wheel, keys and reveal.
C_PICTURE($none)
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
ASSERT(ZV_SetCellOptions($ref;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellSpacing($ref;10;10)=0)
ASSERT(ZV_SetNumCells($ref;"10000000")=0)
IDLE
$cell:="cell"
$h:=20

// Cell 9999981 (row 2499996) comes up to the bottom of the view: its top at 289, the rows above
// at 179 and 69, each cell 100 high after a gap of 10.
ASSERT(ZV_RevealCell($ref;9999981)=0)
For($v;60;399;10)
  LOG($v;ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
End for
$v:=300
$h:=130
LOG("second column";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// 300 x 300 cells, one a row: 3.1 x 10^9 pixels.
ASSERT(ZV_SetCellOptions($ref;300;300;$none;0;0;0)=0)
$h:=20
$v:=200
ASSERT(ZV_RevealCell($ref;5000000)=0)
LOG("reveal 5000000";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
// The bar's down arrow: 30 pixels further, the same cell.
MOUSE CLICK($w;492;392)
LOG("after the arrow";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
MOUSE WHEEL($w;100;100;-1)
LOG("after the wheel";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
// The keys go to the focused area: a click gives it the focus. End shows the last cell, as with
// a short document; Home goes back to the top.
MOUSE CLICK($w;100;100)
KEY DOWN($w;139)
$v:=200
LOG("end";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
KEY DOWN($w;138)
$v:=20
LOG("home";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
// The thumb sits at the top of the track; dragged by about half the track's travel, it
// shows the middle of the document. The track's exact length is the bar's look (its arrows
// and least thumb differ between platforms), so the cell is checked to within 1%.
MOUSE DRAG($w;492;18;492;198)
$shown:=ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format)
LOG("after the thumb, near the middle";Abs($shown-5000000)<100000)

CLOSE WINDOW($w)
