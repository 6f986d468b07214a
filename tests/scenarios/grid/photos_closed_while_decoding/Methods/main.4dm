// Photos decode on worker threads while the next cells are evaluated, and each is drawn as soon
// as it is ready. A cell expression that closes the window meanwhile: what the workers decoded is
// thrown away, nothing leaks (the host counts its objects at the end) and the closed area answers
// -50 afterwards. Then a grid that loads undisturbed evaluates every cell in view, in order, once.
C_PICTURE(gNone)
gAt:=7
gSeen:=""
gW:=Open window(0;0;400;300)
gRef:=Plugin area(gW;"grid";0;0;400;300)
IDLE
$r:=ZV_SetCellOptions(gRef;50;50;gNone;0;0;0)
$r:=ZV_SetCellPicture(gRef;"CellPicture";0;0;8;4;6)
$r:=ZV_SetNumCells(gRef;"40")
LOG("closed";$r;gSeen)
LOG("then";ZV_SetNumCells(gRef;"5");ZV_RevealCell(gRef;1))
gAt:=0
gSeen:=""
gW:=Open window(0;0;400;300)
gRef:=Plugin area(gW;"grid";0;0;400;300)
IDLE
$r:=ZV_SetCellOptions(gRef;100;100;gNone;0;0;0)
$r:=ZV_SetCellPicture(gRef;"CellPicture";0;0;8;4;6)
$r:=ZV_SetNumCells(gRef;"30")
IDLE
IDLE
LOG("loaded";$r;gSeen)
CLOSE WINDOW(gW)
