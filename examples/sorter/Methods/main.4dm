// The sorter: two grids side by side. Pictures are dragged from one grid to the other (or within
// one), and the drop handler moves them between the two picture arrays.
// $1: the folder the snapshots go to (default: the current folder).
$out:=""
If(Count parameters>=1)
  If($1#"")
    $out:=$1+"/"
  End if
End if

// The gallery's sample pictures, all on the left to begin with.
$pictures:=Get 4D folder(Database folder)+"../gallery/Pictures"
ARRAY PICTURE(gLeftPictures;0)
ARRAY TEXT(gLeftNames;0)
ARRAY PICTURE(gRightPictures;0)
ARRAY TEXT(gRightNames;0)
ARRAY TEXT($files;0)
DOCUMENT LIST($pictures;$files)
For($i;1;Size of array($files))
  C_PICTURE($picture)
  READ PICTURE FILE($pictures+"/"+$files{$i};$picture)
  If(Picture size($picture)>0)
    APPEND TO ARRAY(gLeftPictures;$picture)
    APPEND TO ARRAY(gLeftNames;$files{$i})
  End if
End for

$w:=Open window(40;40;40+740;40+420;1;"Sorter")
<>gLeft:=Plugin area($w;"left";0;0;366;420)
<>gRight:=Plugin area($w;"right";374;0;740;420)
SetUpGrid(<>gLeft;"gLeft")
SetUpGrid(<>gRight;"gRight")

IDLE
IDLE
If(Live windows)
  // The window stays open for a person: drag pictures between the grids, close it to end.
  LOG("live: pick pictures (shift, control), drag them to the other grid; Escape cancels")
Else
  SNAPSHOT($w;$out+"sorter-before.png")
  LOG("before";Size of array(gLeftPictures);Size of array(gRightPictures))

  // Select the first three pictures on the left (a click, then a shift-click), and drag them by the
  // second one into the empty grid on the right.
  MOUSE CLICK($w;60;60)
  MOUSE CLICK($w;290;60;0x0200)
  MOUSE DRAG($w;175;60;550;100)
  // The drop reaches the handler at the next idle.
  IDLE
  IDLE
  SNAPSHOT($w;$out+"sorter-after.png")
  LOG("after";Size of array(gLeftPictures);Size of array(gRightPictures))
  ASSERT(Size of array(gRightPictures)=3;"three pictures moved to the right")
  For($i;1;Size of array(gRightNames))
    LOG("right";$i;gRightNames{$i})
  End for
  CLOSE WINDOW($w)
End if
