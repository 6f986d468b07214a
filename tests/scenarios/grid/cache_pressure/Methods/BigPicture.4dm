gEvaluated:=gEvaluated+1
$0:=gBig
