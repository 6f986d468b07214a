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

void ZorviPlug::HandleCommand(int32_t selector, CXParam* params, CXResult* result) {
#if ZORVI_WITH_GRID
  // The manager lives until the plug-in is deinitialised, never inside a command; one that the
  // area command makes on demand holds nothing back yet.
  CXAreaManager::WorkScope scope(gZorvinAreaManager);
#endif
  KelPlug::HandleCommand(selector, params, result);
}
