#include "plugin/Entry.h"

#include "plugin/CXParam.h"
#include "plugin/CXResult.h"
#include "plugin/ZorviPlug.h"

ZorviPlug gZorviPlug(&gPlugInfo);
FourDPlug* gFourDPlug = &gZorviPlug;

void FD_ENTRY_CALL FourDPackex(int32_t selector, void* params, void* hostData, void* result) {
  // Nothing may unwind into the host; commands report failures through their result.
  try {
    FourDPlug::PlugMain(selector, static_cast<CXParam*>(params), static_cast<CXResult*>(result),
                        hostData);
  } catch (...) {
  }
}
