// Areas far larger than their windows cost what the windows show: cells load and draw only where
// the window can show them, however many cells and pixels the area holds.
C_PICTURE(gNone)
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)
gEvaluations:=0

// 2147483647 cells of 41 x 45 in a 5544 x 12788 area of a 1064 x 1993 window: the window shows
// 22 columns (863 pixels from the area's left at 201) and 24 rows (1059 pixels from its top at
// 934), not the area's 136 x 285.
$w:=Open window(162;248;1226;2241)
$ref:=Plugin area($w;"grid";201;934;5745;13722)
ASSERT(ZV_SetCellOptions($ref;41;45;gNone;0;0;0)=0)
ASSERT(ZV_SetCellSpacing($ref;0;0)=0)
ASSERT(ZV_SetNumCells($ref;"2147483647")=0)
ASSERT(ZV_SetCellPicture($ref;"Counted";0;0;41;30;0)=0)
IDLE
LOG("evaluated after the first idle";gEvaluations)
IDLE
IDLE
LOG("after two more";gEvaluations)
// A notch of the wheel scrolls by steps of the area's height (959 pixels): 21 rows of 22 come in.
gEvaluations:=0
MOUSE WHEEL($w;600;1500;-1)
IDLE
LOG("after a notch of the wheel";gEvaluations)
CLOSE WINDOW($w)

// One turn of the event loop on a 12885 x 26508 area in a 2652 x 1394 window: 6 x 7 cells.
gEvaluations:=0
$w:=Open window(92;66;2744;1460)
$ref:=Plugin area($w;"grid";2101;725;14986;27233)
ASSERT(ZV_SetCellOptions($ref;100;100;gNone;0;0;0)=0)
ASSERT(ZV_SetNumCells($ref;"100000")=0)
ASSERT(ZV_SetCellPicture($ref;"Counted";0;0;100;80;0)=0)
IDLE
LOG("evaluated in the second window";gEvaluations)
CLOSE WINDOW($w)
