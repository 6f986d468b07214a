gCalls:=gCalls+1
$0:=Recurse
