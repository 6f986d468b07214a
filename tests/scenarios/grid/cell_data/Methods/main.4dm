// Cells are evaluated lazily: only the visible ones, each once, with gZVCurrentCell set.
gCaptions:=0
gPictures:=0
gSeen:=""
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)

$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE

// 160 x 160 cells in 500 x 400: three a row (the scroll bar leaves 484), three rows in view.
ASSERT(ZV_SetNumCells($ref;"1000")=0;"count expression")
ASSERT(ZV_SetCellPicture($ref;"CellPicture";0;0;160;140;0)=0;"picture expression")
ASSERT(ZV_SetCellCaption($ref;"CellCaption";0;140;160;160;"")=0;"caption expression")
// Each setter drops the cache, so the caption's setter evaluates the nine pictures once more.
LOG("evaluated";gPictures;gCaptions;gSeen)
LOG("last cell evaluated";gZVCurrentCell)

IDLE
LOG("after idle";gPictures;gCaptions)

// Purging one visible cell evaluates it again, and only it.
gSeen:=""
LOG("purge 5";ZV_UpdateArea($ref;8;5;0);gCaptions;gSeen)
LOG("purge range";ZV_UpdateArea($ref;8;0;3))
LOG("bad kind";ZV_UpdateArea($ref;3;0;0))

// Reading the expressions back.
$text:=""
$l:=0
$t:=0
$r:=0
$b:=0
$f:=0
$format:=""
LOG(ZV_GetNumCells($ref;$text);$text)
LOG(ZV_GetCellPicture($ref;$text;$l;$t;$r;$b;$f);$text;$l;$t;$r;$b;$f)
LOG(ZV_GetCellCaption($ref;$text;$l;$t;$r;$b;$format);$text;$l;$t;$r;$b;"["+$format+"]")

// Where a point of the window falls: before cell 1, after cell 1 (before 2), past the end.
$cell:="cell"
$h:=10
$v:=10
LOG("hit";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))
$h:=150
LOG("hit";ZV_GetCellCaption($ref;$cell;$h;$v;$r;$b;$format))

// Ten million cells: still only the visible block is evaluated.
gCaptions:=0
gSeen:=""
ASSERT(ZV_SetNumCells($ref;"10000000")=0;"ten million")
LOG("ten million";gCaptions;gSeen)

CLOSE WINDOW($w)
