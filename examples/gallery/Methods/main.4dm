// The gallery: every picture of a folder in a grid, one per cell, captioned with its file name.
// $1: the folder (default: the sample pictures); $2: the snapshot to write (default gallery.png).
C_TEXT($version;$fullName)
$err:=ZV_GetVersion($version;$fullName)
LOG($fullName;$version)

// The sample pictures and the card lie in the database's own folder, wherever it is run from.
$database:=Get 4D folder(Database folder)
$folder:=$database+"Pictures"
If(Count parameters>=1)
  If($1#"")
    $folder:=$1
  End if
End if
$snapshot:="gallery.png"
If(Count parameters>=2)
  $snapshot:=$2
End if

// Only the names are listed here; each cell reads its own file when it is first shown.
gGalleryFolder:=$folder
ARRAY TEXT(gGalleryNames;0)
ARRAY TEXT($files;0)
DOCUMENT LIST($folder;$files)
For($i;1;Size of array($files))
  If(IsPictureFile($files{$i}))
    APPEND TO ARRAY(gGalleryNames;$files{$i})
  End if
End for
LOG("pictures";Size of array(gGalleryNames))

// Three cells a row and a little more than two rows in view, so the last row needs the bar.
$w:=Open window(40;40;40+560;40+440;1;"Gallery")
$grid:=Plugin area($w;"gallery";0;0;560;440)
// Each cell is a white card with rounded corners on a grey ground.
C_PICTURE($card)
READ PICTURE FILE($database+"Resources/Card.png";$card)
ASSERT(ZV_SetAreaBackgroundColor($grid;0x00DCE0E6)=0)
ASSERT(ZV_SetCellOptions($grid;164;176;$card;2;10;10)=0)
ASSERT(ZV_SetCellSpacing($grid;12;12)=0)
ASSERT(ZV_SetCellPicture($grid;"GalleryPicture";8;8;156;128;11)=0)
ASSERT(ZV_SetCellCaption($grid;"gGalleryNames{gZVCurrentCell}";6;132;158;170;"")=0)
ASSERT(ZV_SetCaptionFont($grid;"DejaVu Sans";11;1)=0)
ASSERT(ZV_SetCaptionColors($grid;0x00303540;-256)=0)
ASSERT(ZV_SetCaptionAlignment($grid;1;1)=0)
ASSERT(ZV_SetNumCells($grid;"Size of array(gGalleryNames)")=0)
// Any set of pictures can be picked, with shift and command clicks; the handler hears clicks
// and double clicks (bits 4 and 13).
ASSERT(ZV_SetSelectionOptions($grid;6;0x002060D0;3)=0)
ASSERT(ZV_SetEventHandler($grid;"GalleryEvent";0x2010)=0)

// What a form gets when it opens: end of cycle, the update it asks for, idle.
IDLE
IDLE
// Bit 22: a picture's name shows as a tip while the pointer rests on it (after the first event,
// at which the area takes its flags from the form).
ASSERT(ZV_SetAreaFlags($grid;0x00400000)=0)
If(Live windows)
  // The window stays open for a person: the event loop runs until it is closed.
  LOG("live: click, shift-click and control-click pictures, wheel and keys scroll, close to end")
Else
  // A person picks the first picture, then the third with the command key held.
  MOUSE CLICK($w;94;96)
  MOUSE CLICK($w;446;96;0x0100)
  ARRAY LONGINT($picked;0)
  $cell:=0
  $err:=ZV_GetSelection($grid;$cell;$picked)
  For($i;1;Size of array($picked))
    LOG("picked";gGalleryNames{$picked{$i}})
  End for
  IDLE
  SNAPSHOT($w;$snapshot)
  LOG("snapshot";$snapshot)
  CLOSE WINDOW($w)
End if
