// On a host older than version 11 the pictures that a picture expression gives are freed as
// they are read: none is left when the area goes (the emulator checks at exit).
READ PICTURE FILE("../../data/rgb3x2.png";gPict)
$w:=Open window(0;0;300;200)
$ref:=Plugin area($w;"grid";0;0;300;200)
IDLE
LOG("count";ZV_SetNumCells($ref;"5"))
LOG("pictures";ZV_SetCellPicture($ref;"gPict";0;0;100;100;0))
IDLE
CLOSE WINDOW($w)
