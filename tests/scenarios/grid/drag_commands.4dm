// Drag options and signature lists set and read back, and what the drop commands answer when
// no drop has happened.
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE
$flags:=0
$width:=0
$color:=0
$blink:=0
LOG("defaults";ZV_GetDragOptions($ref;$flags;$width;$color;$blink);$flags;$width;$color;$blink)
LOG("set";ZV_SetDragOptions($ref;5;3;0x00FF00;12))
LOG("negative width";ZV_SetDragOptions($ref;1;-1;0;30))
LOG("negative blink";ZV_SetDragOptions($ref;1;1;0;-1))
LOG("kept";ZV_GetDragOptions($ref;$flags;$width;$color;$blink);$flags;$width;$color;$blink)
// Without a live area the outputs stay as they were.
$flags:=77
LOG("no area";ZV_GetDragOptions(0;$flags;$width;$color;$blink);$flags)

ARRAY TEXT($drags;2)
$drags{1}:="A"
$drags{2}:="B"
ARRAY TEXT($out;5)
LOG("no lists";ZVObs_GetDragSignatures($ref;$out);Size of array($out))
LOG("set drags";ZVObs_SetDragSignatures($ref;$drags))
LOG("get drags";ZVObs_GetDragSignatures($ref;$out);Size of array($out);$out{1};$out{2})
LOG("drops untouched";ZVObs_GetDropSignatures($ref;$out);Size of array($out))
ARRAY LONGINT($longs;1)
LOG("longint array";ZVObs_SetDropSignatures($ref;$longs);ZVObs_GetDropSignatures($ref;$longs))
ARRAY TEXT($empty;0)
LOG("cleared";ZVObs_SetDragSignatures($ref;$empty);ZVObs_GetDragSignatures($ref;$out);Size of array($out))

// No drop yet: no source, and no drop cell outside the host's drop form events.
$source:=5
$process:=6
$sig:="old"
LOG("no source";ZVObs_GetDragSource($ref;$source;$process;$sig);$source;$process;"["+$sig+"]")
$cell:=9
LOG("drop cell";ZV_GetDropCell($ref;$cell);$cell)
$cell:=9
LOG("drop cell, no area";ZV_GetDropCell(0;$cell);$cell)
CLOSE WINDOW($w)
