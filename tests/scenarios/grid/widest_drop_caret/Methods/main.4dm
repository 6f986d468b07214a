// The widest caret a command accepts, with arrowheads, blinking or not, in a drag between grids
// and in the host's drag: its rectangle is worked out without overflow and the caret is drawn
// within its own grid; the drops land as with a narrow caret.
$w:=Open window(0;0;600;300)
gLeft:=Plugin area($w;"left";0;0;290;300;0;"Dropped")
gRight:=Plugin area($w;"right";310;0;600;300;0;"Dropped")
SetUp(gLeft)
SetUp(gRight)
IDLE
$flags:=0
$width:=0
$color:=0
$blink:=0
LOG("widest";ZV_SetDragOptions(gRight;4;2147483647;0x00FF00;0);ZV_GetDragOptions(gRight;$flags;$width;$color;$blink);$flags;$width)
// Each press comes long enough after the last that it is no double click.
MOUSE CLICK($w;30;30)
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;340;30;0;10;5)
IDLE
IDLE
HOST DRAG($w;30;30;340;100;10;5)
// Blinking (flag 2) and across the grid's other axis: one cell a row makes the caret horizontal.
LOG("blinking";ZV_SetDragOptions(gRight;6;2147483647;0x00FF00;1))
ASSERT(ZV_SetCellsPerRow(gRight;1)=0)
IDLE
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;340;70;0;10;5)
IDLE
IDLE
HOST DRAG($w;30;30;340;100;10;5)
LOG("within one grid";ZV_SetDragOptions(gLeft;4;2147483647;0xFF;0))
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;120;30;0;10;5)
IDLE
IDLE
CLOSE WINDOW($w)
