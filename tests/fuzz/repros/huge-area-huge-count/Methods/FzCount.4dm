$0:=gFzCount
