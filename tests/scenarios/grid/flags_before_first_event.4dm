// Flags a command sets before the area's first event are the area's: the form's property word
// (0 in this host) configures only an area that no command has configured.
C_PICTURE($none)
$w:=Open window(0;0;500;400)
$tips:=Plugin area($w;"tips";0;0;240;400)
$plain:=Plugin area($w;"plain";260;0;500;400)
$flags:=-1
LOG("before the first event";ZV_SetAreaFlags($tips;0x600000);ZV_GetAreaFlags($tips;$flags);$flags)
ASSERT(ZV_SetCellOptions($tips;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellCaption($tips;"\"Cell \"+String(gZVCurrentCell)";0;80;100;100;"")=0)
ASSERT(ZV_SetNumCells($tips;"100")=0)
ASSERT(ZV_SetCellOptions($plain;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetCellCaption($plain;"\"Cell \"+String(gZVCurrentCell)";0;80;100;100;"")=0)
ASSERT(ZV_SetNumCells($plain;"100")=0)
IDLE
IDLE
LOG("after the first idles";ZV_GetAreaFlags($tips;$flags);$flags)
LOG("the other area";ZV_GetAreaFlags($plain;$flags);$flags)
MOUSE MOVE($w;50;50)
LOG("tip";Last tip)
MOUSE MOVE($w;300;50)
LOG("no tip";Last tip)

// Scrolling by cell holds too: two wheel notches (60 pixels) come to rest on the next row.
MOUSE WHEEL($w;50;50;-1)
MOUSE WHEEL($w;50;50;-1)
$probe:="cell"
$h:=50
$v:=10
LOG("row after a notch";ZV_GetCellCaption($tips;$probe;$h;$v;$r;$b;$format))

// Configured off before the first event stays off, and on again later works as before.
$late:=Plugin area($w;"late";0;0;10;10;2)
LOG("off";ZV_SetAreaFlags($late;0);ZV_GetAreaFlags($late;$flags);$flags)
FORM GOTO PAGE($w;2)
IDLE
LOG("off after its first event";ZV_GetAreaFlags($late;$flags);$flags)
LOG("tips on";ZV_SetAreaFlags($late;0x400000);ZV_GetAreaFlags($late;$flags);$flags)
CLOSE WINDOW($w)
