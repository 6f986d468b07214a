gSeen:=gSeen+"c"+String(gZVCurrentCell)+" "
$0:="Other "+String(gZVCurrentCell)
