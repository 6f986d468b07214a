#include "WindowSystem.h"

#include "NativeWindows.h"

namespace zvhost {

void MoveMouseTo(int32_t x, int32_t y) {
  native::SetMouse(x, y);
}

void ResetWindowSystem() {
  native::ResetProcessWindow();
}

} // namespace zvhost
