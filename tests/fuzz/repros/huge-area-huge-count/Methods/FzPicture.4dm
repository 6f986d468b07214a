gFzPictures:=gFzPictures+1
$0:=gFzPict
