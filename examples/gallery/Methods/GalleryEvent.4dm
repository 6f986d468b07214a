// The gallery's event handler: $1 the grid, $2 the event (4 click, 13 double click), $3 the cell.
C_LONGINT($1;$2;$3)
Case of
  : ($3<1)
    LOG("clicked beside the pictures")
  : ($2=4)
    LOG("clicked";gGalleryNames{$3})
  : ($2=13)
    LOG("opened";gGalleryNames{$3})
End case
