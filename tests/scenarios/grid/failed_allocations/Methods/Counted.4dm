gEvaluations:=gEvaluations+1
$0:=gPict
