// The event handler: logs the click, then fails on a parameter of the wrong kind.
LOG("click";$2;$3)
$text:=Substring(3;1)
LOG("not reached")
