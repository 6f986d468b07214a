Meddle
$0:="Cell "+String(gZVCurrentCell)
