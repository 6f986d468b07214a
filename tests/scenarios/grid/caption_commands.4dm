// Caption font, colours and alignment, and the obsolete style commands that set them together.
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE
$name:=""
$size:=0
$style:=0
$h:=0
$v:=0
$fore:=0
$back:=0
$just:=0

// The font: a name and a size above 0 are needed; a refused font changes nothing.
LOG("defaults";ZV_GetCaptionFont($ref;$name;$size;$style);$name;$size;$style)
LOG("no name";ZV_SetCaptionFont($ref;"";12;1))
LOG("size 0";ZV_SetCaptionFont($ref;"Sans";0;1))
LOG("size -3";ZV_SetCaptionFont($ref;"Sans";-3;1))
LOG("huge size";ZV_SetCaptionFont($ref;"Sans";2147483647;1))
LOG(ZV_GetCaptionFont($ref;$name;$size;$style);$name;$size;$style)
LOG("font";ZV_SetCaptionFont($ref;"Sans";14;7+8))
LOG(ZV_GetCaptionFont($ref;$name;$size;$style);$name;$size;$style)

// Colours are kept as given.
LOG("colours";ZV_SetCaptionColors($ref;0x112233;-256);ZV_GetCaptionColors($ref;$fore;$back);$fore;$back)

// Alignment: -1 keeps an axis; anything else outside 0 to 2 is refused whole.
LOG("alignment";ZV_SetCaptionAlignment($ref;2;1);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG("keep horizontal";ZV_SetCaptionAlignment($ref;-1;2);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG("keep vertical";ZV_SetCaptionAlignment($ref;0;-1);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG("out of range";ZV_SetCaptionAlignment($ref;1;3);ZV_SetCaptionAlignment($ref;-2;0);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)

// Obsolete style: justification 1 left, 0 centre, 2 right; other values keep the alignment.
LOG("style just 0";ZVObs_SetCaptionStyle($ref;"Serif";9;2;0;0xFF;0xFFFF00);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG(ZVObs_GetCaptionStyle($ref;$name;$size;$style;$just;$fore;$back);$name;$size;$style;$just;$fore;$back)
LOG("style just 1";ZVObs_SetCaptionStyle($ref;"Serif";9;2;1;0xFF;0xFFFF00);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG(ZVObs_GetCaptionStyle($ref;$name;$size;$style;$just;$fore;$back);$just)
LOG("style just 2";ZVObs_SetCaptionStyle($ref;"Serif";9;2;2;0xFF;0xFFFF00);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG(ZVObs_GetCaptionStyle($ref;$name;$size;$style;$just;$fore;$back);$just)
LOG("style just 5";ZVObs_SetCaptionStyle($ref;"Serif";9;2;5;0;0);ZV_GetCaptionAlignment($ref;$h;$v);$h;$v)
LOG(ZVObs_GetCaptionStyle($ref;$name;$size;$style;$just;$fore;$back);$just;$fore;$back)
// A refused font stops the style there: colours and alignment stay.
LOG("style size 0";ZVObs_SetCaptionStyle($ref;"Sans";0;0;1;0x123456;0x654321))
LOG("style no name";ZVObs_SetCaptionStyle($ref;"";10;0;1;0x123456;0x654321))
LOG(ZVObs_GetCaptionStyle($ref;$name;$size;$style;$just;$fore;$back);$name;$size;$just;$fore;$back)

// A reference that names no area: -50 and the documented resets.
$bad:=$ref+1000
LOG("no area";ZV_SetCaptionFont($bad;"Sans";10;0);ZV_SetCaptionColors($bad;0;0);ZV_SetCaptionAlignment($bad;0;0);ZVObs_SetCaptionStyle($bad;"Sans";10;0;0;0;0))
LOG(ZV_GetCaptionFont($bad;$name;$size;$style);"["+$name+"]";$size;$style)
LOG(ZV_GetCaptionColors($bad;$fore;$back);$fore;$back)
LOG(ZV_GetCaptionAlignment($bad;$h;$v);$h;$v)
$just:=9
LOG(ZVObs_GetCaptionStyle($bad;$name;$size;$style;$just;$fore;$back);"["+$name+"]";$size;$style;$just;$fore;$back)
IDLE
CLOSE WINDOW($w)
