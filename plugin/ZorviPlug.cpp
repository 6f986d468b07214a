#include "plugin/ZorviPlug.h"

#if ZORVI_WITH_GRID
#include "grid/ZorvinAreaManager.h"
#endif

void ZorviPlug::Init(FDPackInitBlock* initBlock) {
  KelPlug::Init(initBlock);
}

void ZorviPlug::BigInit() {
  KelPlug::BigInit();
#if ZORVI_WITH_GRID
  InitZorvinArea();
#endif
}

// The manager is released whether BigInit made it or the area command did on demand: areas
// still listed are closed and deleted while the host can still take back what they hold.
void ZorviPlug::Deinit() {
#if ZORVI_WITH_GRID
  DeinitZorvinArea();
#endif
  KelPlug::Deinit();
}
