// An area lives from its init event to its deinit event; its replies come back in the event.
$w:=Open window(20;20;520;420)
$ref:=Plugin area($w;"grid";0;0;500;400)
ASSERT($ref#0;"the plug-in keeps a reference in the private word")

// The first event after init runs the post-init step before itself: flags a command set before
// it survive it.
$flags:=0
ZV_SetAreaFlags($ref;0x600000)
LOG("before first event";ZV_GetAreaFlags($ref;$flags);$flags)
$msg:=0
AREA EVENT($ref;20;$msg)
LOG("may take focus";$msg)
LOG("after first event";ZV_GetAreaFlags($ref;$flags);$flags)

$msg:=0
AREA EVENT($ref;999;$msg)
LOG("unknown event";$msg)
$msg:=0
AREA EVENT($ref;25;$msg)
LOG("scroll event";$msg)

// End of cycle: the first one lays out and asks for a redraw.
$msg:=0
$mods:=0
AREA EVENT($ref;72;$msg;0;0;0;$mods)
LOG("first end of cycle";$mods)
$mods:=0
AREA EVENT($ref;72;$msg;0;0;0;$mods)
LOG("second end of cycle";$mods)

$flags:=0
ZV_SetAreaFlags($ref;0x7FFFFFFF)
LOG(ZV_GetAreaFlags($ref;$flags);$flags)

CLOSE WINDOW($w)
$flags:=9
LOG("after close";ZV_GetAreaFlags($ref;$flags);$flags)
// A forged reference names nothing either.
LOG("forged";ZV_GetAreaFlags($ref+1000;$flags))
