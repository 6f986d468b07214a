gSeen:=gSeen+"o"+String(gZVCurrentCell)+" "
$0:=gPict
