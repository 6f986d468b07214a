// The event handler: fails after its first line.
LOG("click";$3)
$x:=Length(1)
