// Too few parameters for a plug-in command is a script error (status 2).
$flags:=0
$err:=ZV_GetAreaFlags($flags)
