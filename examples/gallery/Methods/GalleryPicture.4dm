// The picture of the cell being evaluated, read from its file only now: a folder of a thousand
// photos reads just the ones shown (and kept in the grid's cache), never all of them.
READ PICTURE FILE(gGalleryFolder+"/"+gGalleryNames{gZVCurrentCell};$0)
