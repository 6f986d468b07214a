#include "plugin/ZorviPlug.h"

void ZorviPlug::Init(FDPackInitBlock* initBlock) {
  KelPlug::Init(initBlock);
}

// The area manager is set up and torn down here once it exists.
void ZorviPlug::BigInit() {
  KelPlug::BigInit();
}

void ZorviPlug::Deinit() {
  KelPlug::Deinit();
}
