// Cell size, back picture, its format and the corner radii, set together and read back.
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE
C_PICTURE($none)
C_PICTURE($p)
C_PICTURE($out)
READ PICTURE FILE("../../data/rgb3x2.png";$p)
$wd:=0
$ht:=0
$f:=0
$rh:=0
$rv:=0

// Without a picture the cells need a real size.
LOG("no picture -1";ZV_SetCellOptions($ref;-1;-1;$none;0;0;0))
LOG("no picture 0";ZV_SetCellOptions($ref;0;40;$none;0;0;0))

// Radii: a vertical 0 follows the horizontal one; corners wider than half the cell are refused.
LOG("radii 10 0";ZV_SetCellOptions($ref;100;90;$none;6;10;0))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)
LOG("radius 30 on 50";ZV_SetCellOptions($ref;50;90;$none;0;30;0))
LOG("negative radius";ZV_SetCellOptions($ref;50;90;$none;0;-1;4))
LOG("tall radius";ZV_SetCellOptions($ref;100;30;$none;0;4;16))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)

// -1 for both sizes takes the picture's size and needs no fitting.
LOG("picture size";ZV_SetCellOptions($ref;-1;-1;$p;6;1;1))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)
// The caller gets its own copy of the back picture.
PICTURE PROPERTIES($out;$wd;$ht)
LOG("copy";Picture size($out)=Picture size($p);$wd;$ht)
// A picture with format 0 is drawn in format 1.
LOG("picture format 0";ZV_SetCellOptions($ref;120;80;$p;0;0;0))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)
LOG("picture format 11";ZV_SetCellOptions($ref;120;80;$p;11;0;0))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)
// Only one size -1: not a cell size.
LOG("one -1";ZV_SetCellOptions($ref;-1;80;$p;11;0;0))

// A bad format is found last: size, radii and picture are already taken.
LOG("format 3";ZV_SetCellOptions($ref;80;60;$p;3;5;5))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)

// Setting no picture removes it and stores format 0.
LOG("removed";ZV_SetCellOptions($ref;70;70;$none;9;0;0))
LOG(ZV_GetCellOptions($ref;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv;Picture size($out))

// A reference that names no area: -50 and reset outputs.
LOG("no area set";ZV_SetCellOptions($ref+1000;70;70;$none;0;0;0))
LOG("no area get";ZV_GetCellOptions($ref+1000;$wd;$ht;$out;$f;$rh;$rv);$wd;$ht;$f;$rh;$rv)

// The area's back colour; a failing getter leaves the caller's value.
$c:=77
LOG("back colour";ZV_SetAreaBackgroundColor($ref;0x00FF00);ZV_GetAreaBackgroundColor($ref;$c);$c)
LOG("system colour";ZV_SetAreaBackgroundColor($ref;-254);ZV_GetAreaBackgroundColor($ref;$c);$c)
$c:=77
LOG("no area colour";ZV_SetAreaBackgroundColor($ref+1000;0);ZV_GetAreaBackgroundColor($ref+1000;$c);$c)
IDLE
CLOSE WINDOW($w)
