// The host's drag over grid areas: the drop cell the object method reads, auto-scrolling after
// the pointer has rested 40 ticks in an edge zone, and the places past the last cell.
$w:=Open window(0;0;400;300)
// 30 cells of 60 x 60 spaced by 10, five a row, six rows: the vertical bar shows.
gRef:=Plugin area($w;"grid";0;0;400;300;0;"dropped")
OBJECT SET DRAG AND DROP OPTIONS(gRef;False;False;True;False)
C_PICTURE(gNone)
ASSERT(ZV_SetCellOptions(gRef;60;60;gNone;0;0;0)=0)
ASSERT(ZV_SetCellSpacing(gRef;10;10)=0)
ASSERT(ZV_SetNumCells(gRef;"30")=0)
IDLE

// Into the bottom zone, held 30 ticks: no scroll, the drop goes before cell 22.
HOST DRAG($w;100;100;100;290;10;30)
// Held 60 ticks: it scrolls to the end, and the same point is before cell 27.
HOST DRAG($w;100;100;100;290;10;60)
// Past the last cell, and in an empty grid: -1.
HOST DRAG($w;100;100;350;250;10;0)
ASSERT(ZV_SetNumCells(gRef;"0")=0)
IDLE
HOST DRAG($w;100;100;120;120;10;0)
$cell:=5
LOG("after the drop";ZV_GetDropCell(gRef;$cell);$cell)
CLOSE WINDOW($w)
