// Area, window and form services. This host has no windows yet: every answer is the safe one
// (no event, no object, "not available"), and nothing is written through caller pointers
// except the event record, which is cleared.
#include <cstring>

#include "Callback.h"

namespace zvhost::callback {

void WindowService(int16_t selector, FDEngineBlock& b) {
  switch (selector) {
  case kFDGetNextEvent:
    if (b.fPtr1 != nullptr) {
      std::memset(b.fPtr1, 0, sizeof(EventRecord));
    }
    b.fParam1 = 0;
    break;
  case kFDGetAreaKeyEventInfo:
    b.fParam1 = 0;
    b.fParam2 = 0;
    b.fError = kFDErrNotAvailable;
    break;
  case kFDGetUpdateHDC:
    b.fPtr1 = nullptr;
    break;
  case kFDHWNDToMacWindow:
  case kFDMacWindowToHWND:
    b.fPtr2 = nullptr;
    break;
  case kFDGetDialogFromWindow:
    b.fParam1 = 0;
    break;
  case kFDUpdateEditMenu:
    break;
  default: // clip mode, invalidation, tips, drags: there is no area to act on
    b.fError = kFDErrNotAvailable;
    break;
  }
}

} // namespace zvhost::callback
