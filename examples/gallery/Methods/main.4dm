// The gallery: the sample pictures of Pictures/, to be shown one per cell with their names.
C_TEXT($version;$fullName)
$err:=ZV_GetVersion($version;$fullName)
LOG($fullName;$version)

$folder:="examples/gallery/Pictures"
ARRAY TEXT(gGalleryFiles;0)
DOCUMENT LIST($folder;gGalleryFiles)
ARRAY PICTURE(gGalleryPictures;Size of array(gGalleryFiles))
For($i;1;Size of array(gGalleryFiles))
  READ PICTURE FILE($folder+"/"+gGalleryFiles{$i};gGalleryPictures{$i})
End for
LOG("pictures";Size of array(gGalleryPictures))
