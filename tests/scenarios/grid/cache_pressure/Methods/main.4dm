// Nine visible cells whose pictures together outgrow the smallest cache (9 x 7.84 MB against
// 64 MiB): they stay loaded while they are visible, and idles with nothing new evaluate nothing.
READ PICTURE FILE("../../../data/blue1400.png";gBig)
gEvaluated:=0
$w:=Open window(0;0;500;400)
$ref:=Plugin area($w;"grid";0;0;500;400)
IDLE
C_PICTURE($none)
ASSERT(ZV_SetCacheSize($ref;67108864)=0;"smallest cache")
ASSERT(ZV_SetCellOptions($ref;160;160;$none;0;0;0)=0;"cell size")
ASSERT(ZV_SetNumCells($ref;"100")=0;"count")
ASSERT(ZV_SetCellPicture($ref;"BigPicture";0;0;160;160;5)=0;"picture expression")
LOG("loaded";gEvaluated)
IDLE
IDLE
IDLE
LOG("after three idles";gEvaluated)

// Scrolled a row down: only the three new cells are evaluated; the ones gone from view may go.
ASSERT(ZV_RevealCell($ref;12)=0;"reveal")
LOG("after reveal";gEvaluated)
IDLE
IDLE
LOG("after two idles";gEvaluated)
CLOSE WINDOW($w)
