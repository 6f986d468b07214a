// Ports, the window finder, the mouse button and pixel copies of the compatibility layer.
#include <algorithm>

#include "Forms.h"
#include "HostState.h"
#include "MouseInput.h"
#include "Surface.h"
#include "sdk/HostPlatform.h"

extern "C" {

int16_t FindWindo(Point where, GrafPtr* window) {
  if (window != nullptr) {
    *window = nullptr;
  }
  const auto windows = zvhost::Windows().All();
  // Front to back: the most recently opened window lies over the others.
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const Rect& f = (*it)->frame;
    if (where.h >= f.left && where.h < f.right && where.v >= f.top && where.v < f.bottom) {
      if (window != nullptr) {
        *window = (*it)->HostPointer();
      }
      return 3; // in the content
    }
  }
  return 0;
}

uint8_t StillDown(void) {
  return zvhost::PollButton() ? 1 : 0;
}

uint8_t Button(void) {
  return StillDown();
}

void GetPort(GrafPtr* port) {
  if (port == nullptr) {
    return;
  }
  const zvhost::Delivery& delivery = zvhost::CurrentDelivery();
  GrafPtr current = zvhost::State().fPort;
  if (delivery.port != nullptr) {
    current = delivery.port;
  } else if (delivery.area != nullptr && delivery.area->window != nullptr) {
    current = delivery.area->window->HostPointer();
  }
  // A port whose window has closed is no port.
  *port = zvhost::Windows().FromPointer(current) != nullptr ? current : nullptr;
}

void GetMouse(Point* where) {
  if (where == nullptr) {
    return;
  }
  GrafPtr port = nullptr;
  GetPort(&port);
  int32_t x = zvhost::State().fMouseX;
  int32_t y = zvhost::State().fMouseY;
  if (const zvhost::Window* window = zvhost::Windows().FromPointer(port)) {
    x -= window->frame.left;
    y -= window->frame.top;
  }
  where->h = static_cast<int16_t>(std::clamp(x, -32768, 32767));
  where->v = static_cast<int16_t>(std::clamp(y, -32768, 32767));
}

void SetPort(GrafPtr port) {
  if (zvhost::CurrentDelivery().area != nullptr) {
    zvhost::CurrentDelivery().port = port;
  } else {
    zvhost::State().fPort = port;
  }
}

void CopyBits(GrafPtr source, GrafPtr destination, const Rect* sourceRect,
              const Rect* destinationRect, int16_t /*mode*/, const void* /*maskRegion*/) {
  const zvhost::Window* from = zvhost::Windows().FromPointer(source);
  zvhost::Window* to = zvhost::Windows().FromPointer(destination);
  if (from == nullptr || to == nullptr || sourceRect == nullptr || destinationRect == nullptr) {
    return;
  }
  zvhost::CopySurfacePixels(*from, *to, *sourceRect, *destinationRect);
}

} // extern "C"
