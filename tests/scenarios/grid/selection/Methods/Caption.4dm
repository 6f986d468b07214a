$0:="Cell "+String(gZVCurrentCell)
