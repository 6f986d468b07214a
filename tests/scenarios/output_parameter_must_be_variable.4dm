// An output parameter given a literal is a script error (status 2), not a call into the plug-in.
LOG("start")
$err:=ZV_GetAreaFlags(1;5)
LOG("not reached")
