Meddle
$0:=gPict
