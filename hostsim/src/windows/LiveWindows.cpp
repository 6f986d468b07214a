// On Windows the host windows are real and shown as they are drawn: no display stands between
// them and a person, the tick clock moves only when told, and the live run is the window
// system's own message loop.
#include "RealWindows.h"
#include "live/LiveLoop.h"
#include "live/LivePress.h"
#include "live/LiveSession.h"

namespace zvhost {

void SetLiveDisplay(LiveDisplay* /*display*/) {}

namespace live {

LiveDisplay* Display() {
  return nullptr;
}

void SyncClock() {}

void WindowOpened(const Window& /*window*/) {}

void WindowClosed(int32_t /*number*/) {}

// What was drawn is on the windows already; only the bars' own painting is owed.
void PresentWindows(bool /*now*/) {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
}

bool Pressing() {
  return false;
}

bool PollPress() {
  return false;
}

// Until the process window is closed.
void RunLoop() {
  ShowWindow(ProcessWindow(), SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

} // namespace live
} // namespace zvhost
