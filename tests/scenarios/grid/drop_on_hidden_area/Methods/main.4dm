// A hidden grid is no drop target: a drop released over it goes to the visible grid beneath, or
// nowhere, in the drag between grids and in the host's own drag alike.
$w:=Open window(0;0;700;300)
gSource:=Plugin area($w;"source";0;0;200;300)
// The hidden grid comes first among the areas, so that it would be met first at the point.
gHidden:=Plugin area($w;"hidden";300;0;500;300;0;"HiddenObject")
gUnder:=Plugin area($w;"under";300;0;500;300;0;"UnderObject")
gAlone:=Plugin area($w;"alone";520;0;700;300;0;"AloneObject")
SetUp(gSource)
SetUp(gHidden)
SetUp(gUnder)
SetUp(gAlone)
IDLE
OBJECT SET VISIBLE(gHidden;False)
OBJECT SET VISIBLE(gAlone;False)
IDLE

LOG("-- between grids, over the hidden grid on the visible one")
// Each press comes long enough after the last that it is no double click.
MOUSE CLICK($w;30;30)
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;330;30)
IDLE
IDLE
LOG("-- between grids, over a hidden grid alone")
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;550;30)
IDLE
IDLE
LOG("-- the host's drag, over the hidden grid on the visible one")
HOST DRAG($w;30;30;330;30)
LOG("-- the host's drag, over a hidden grid alone")
HOST DRAG($w;30;30;550;30)

LOG("-- shown again, the grid on top takes the drop")
OBJECT SET VISIBLE(gHidden;True)
IDLE
ADVANCE TICKS(60)
MOUSE DRAG($w;30;30;330;30)
IDLE
IDLE
CLOSE WINDOW($w)
