gCaptions:=gCaptions+1
gSeen:=gSeen+String(gZVCurrentCell)+" "
$0:="Cell "+String(gZVCurrentCell)
