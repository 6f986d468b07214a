gPictures:=gPictures+1
$0:=gPict
