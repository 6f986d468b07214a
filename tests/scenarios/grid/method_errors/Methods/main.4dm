// Errors in code run for the plug-in and for the form (an event handler, a caption expression, a
// count expression, an object method) do not stop the run: each is reported on standard error as
// it happens, the run goes on to its end, and then its exit status says that code failed.
ARRAY TEXT(gNames;3)
gNames{1}:="one"
gNames{2}:="two"
gNames{3}:="three"
C_PICTURE(gNone)
gCaptions:=0
$w:=Open window(0;0;300;200)
gRef:=Plugin area($w;"grid";0;0;300;200;0;"Dropped")
OBJECT SET DRAG AND DROP OPTIONS(gRef;False;False;True;False)
ASSERT(ZV_SetCellOptions(gRef;60;60;gNone;0;0;0)=0)
ASSERT(ZV_SetNumCells(gRef;"Size of array(gNames)")=0)
ASSERT(ZV_SetEventHandler(gRef;"Clicked";0x10)=0)
IDLE

// The handler fails after its first line; the click has selected the cell all the same.
MOUSE CLICK($w;30;30)
$cell:=0
ARRAY LONGINT($picked;0)
LOG("selection";ZV_GetSelection(gRef;$cell;$picked);$cell)

// A caption method that fails for the second cell: the other two get their captions.
ASSERT(ZV_SetCellCaption(gRef;"Caption";0;40;60;60;"")=0)
IDLE
LOG("captions evaluated";gCaptions)

// A count expression that fails.
LOG("count";ZV_SetNumCells(gRef;"gNames{0}+Length(1)"))
ASSERT(ZV_SetNumCells(gRef;"Size of array(gNames)")=0)
IDLE

// The object method fails on the drop; the drag ends as usual.
HOST DRAG($w;30;30;150;100;5;0)
LOG("end")
CLOSE WINDOW($w)
