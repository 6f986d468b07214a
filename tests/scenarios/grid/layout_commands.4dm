// The layout and cell-expression commands validate before they change anything.
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE
$a:=0
$b:=0
$text:=""

LOG("per row";ZV_SetCellsPerRow($ref;-1);ZV_SetCellsPerRow($ref;4);ZV_GetCellsPerRow($ref;$a);$a)
LOG("spacing";ZV_SetCellSpacing($ref;-1;0);ZV_SetCellSpacing($ref;10;6);ZV_GetCellSpacing($ref;$a;$b);$a;$b)
LOG("alignment";ZV_SetAreaAlignment($ref;3;0);ZV_SetAreaAlignment($ref;2;1);ZV_SetAreaAlignment($ref;-1;2);ZV_GetAreaAlignment($ref;$a;$b);$a;$b)
LOG("flags";ZV_SetAreaFlags($ref;0x00600000+0x1234);ZV_GetAreaFlags($ref;$a);$a)
LOG("cache";ZV_SetCacheSize($ref;1000);ZV_SetCacheSize($ref;536870912);ZV_GetCacheSize($ref;$a);$a)

// Picture formats: 0 means 4; 3 and 7 are not formats; the rectangle must not be inverted.
LOG("format 3";ZV_SetCellPicture($ref;"gPict";0;0;10;10;3))
LOG("format 7";ZV_SetCellPicture($ref;"gPict";0;0;10;10;7))
LOG("inverted";ZV_SetCellPicture($ref;"gPict";10;0;0;10;4))
LOG("format 0";ZV_SetCellPicture($ref;"gPict";5;6;105;86;0))
$l:=0
$t:=0
$r:=0
$bottom:=0
$f:=0
LOG(ZV_GetCellPicture($ref;$text;$l;$t;$r;$bottom;$f);$text;$l;$t;$r;$bottom;$f)
LOG("syntax error";ZV_SetCellPicture($ref;"1+";0;0;10;10;4)#0)
LOG(ZV_GetCellPicture($ref;$text;$l;$t;$r;$bottom;$f);$text)
LOG("cleared";ZV_SetCellPicture($ref;"";0;0;0;0;0))
LOG(ZV_GetCellPicture($ref;$text;$l;$t;$r;$bottom;$f);"["+$text+"]";$l;$t;$r;$bottom;$f)

// An empty caption expression removes expression, rectangle and format.
$format:=""
LOG("caption";ZV_SetCellCaption($ref;"String(gZVCurrentCell)";0;100;100;120;"###"))
LOG(ZV_GetCellCaption($ref;$text;$l;$t;$r;$bottom;$format);$text;$l;$t;$r;$bottom;$format)
LOG("caption cleared";ZV_SetCellCaption($ref;"";0;0;0;0;""))
LOG(ZV_GetCellCaption($ref;$text;$l;$t;$r;$bottom;$format);"["+$text+"]";$l;$t;$r;$bottom;"["+$format+"]")

// Without cells, the hit test has no place to give.
$cell:="cell"
$l:=10
LOG("hit without cells";ZV_GetCellCaption($ref;$cell;$l;$l;$r;$bottom;$format))
CLOSE WINDOW($w)
