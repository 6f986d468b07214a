// ZV_GetVersion answers in every build, before any area exists, and replaces texts it is given.
C_TEXT($version;$fullName)
$version:="old text"
$err:=ZV_GetVersion($version;$fullName)
LOG($err;$version;$fullName)
ZV_GetVersion($version;$fullName)
LOG(Length($version);Length($fullName))
$quick:="untouched"
$err:=ZVObs_GetQuickTimeVersion($quick)
LOG($err;$quick)
