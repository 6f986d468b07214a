// The platform services a host process offers every plug-in directly.
#include <cstring>

#include "HostState.h"
#include "live/LiveSession.h"
#include "sdk/HostPlatform.h"

namespace {
// The window system's usual double-click interval, half a second.
constexpr uint32_t kDoubleClickTicks = 30;
} // namespace

extern "C" {

void GetKeys(KeyMap keys) {
  if (keys != nullptr) {
    std::memcpy(keys, zvhost::State().fKeys, sizeof(KeyMap));
  }
}

uint32_t TickCount(void) {
  zvhost::live::SyncClock();
  return zvhost::State().fTicks;
}

uint32_t GetDblTime(void) {
  return kDoubleClickTicks;
}

} // extern "C"
