// Hang (past 4 s in the normal build): one turn of the event loop on a 12885 x 26508 area in a
// 2652 x 1394 window. Shrunk from seed 22 with --shapes huge-areas.
gFzWin1:=Open window(92;66;2744;1460)
gFzArea2:=Plugin area(gFzWin1;"grid";2101;725;14986;27233)
IDLE
