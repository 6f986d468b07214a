// Cell numbers travel only in long-integer arrays: 16-bit integer arrays, reals and texts get
// -50 and change neither the selection nor the array; an undefined array still names no cells.
C_PICTURE($none)
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
ASSERT(ZV_SetCellOptions($ref;100;100;$none;0;0;0)=0)
ASSERT(ZV_SetNumCells($ref;"40000")=0)
ASSERT(ZV_SetSelectionOptions($ref;6;0xFF0000;2)=0)
IDLE

ARRAY LONGINT($cells;2)
$cells{1}:=32768
$cells{2}:=40000
LOG("long integers";ZV_SetSelection($ref;0;$cells))
$cell:=-7
ARRAY LONGINT($back;0)
LOG("read back";ZV_GetSelection($ref;$cell;$back);Size of array($back);$back{1};$back{2})

ARRAY INTEGER($small;1)
$small{1}:=7
LOG("16-bit read";ZV_GetSelection($ref;$cell;$small);$cell;Size of array($small);$small{1})
LOG("16-bit set";ZV_SetSelection($ref;0;$small))
ARRAY REAL($reals;1)
$reals{1}:=9
LOG("real set";ZV_SetSelection($ref;0;$reals))
LOG("real read";ZV_GetSelection($ref;$cell;$reals);Size of array($reals);$reals{1})
LOG("unchanged";ZV_GetSelection($ref;$cell;$back);Size of array($back);$back{1};$back{2})

// With single selection the array is not read, but its kind is still checked.
ASSERT(ZV_SetSelectionOptions($ref;2;0xFF0000;2)=0)
LOG("single, 16-bit";ZV_SetSelection($ref;5;$small))
LOG("single, undefined";ZV_SetSelection($ref;5;$undefined);ZV_GetSelection($ref;$cell;$undefined);$cell)
LOG("single, 16-bit read";ZV_GetSelection($ref;$cell;$small);$cell)
CLOSE WINDOW($w)
