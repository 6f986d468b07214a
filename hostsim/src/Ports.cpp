// Ports, the window finder, the mouse button and pixel copies of the compatibility layer.
#include <algorithm>
#include <vector>

#include "Forms.h"
#include "HostState.h"
#include "MouseInput.h"
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
  // Pixel for pixel from the top-left corners; what falls outside either surface is left out.
  const int32_t width = std::min(sourceRect->right - sourceRect->left,
                                 destinationRect->right - destinationRect->left);
  const int32_t height = std::min(sourceRect->bottom - sourceRect->top,
                                  destinationRect->bottom - destinationRect->top);
  const FDDeviceContext& s = from->context;
  FDDeviceContext& d = to->context;
  // Rows are copied through a buffer: the two rectangles may overlap in one surface.
  std::vector<uint32_t> row;
  for (int32_t y = 0; y < height; ++y) {
    const int32_t sy = sourceRect->top + y;
    const int32_t dy = destinationRect->top + y;
    if (sy < 0 || sy >= s.fHeight || dy < 0 || dy >= d.fHeight) {
      continue;
    }
    row.clear();
    for (int32_t x = 0; x < width; ++x) {
      const int32_t sx = sourceRect->left + x;
      row.push_back(sx >= 0 && sx < s.fWidth
                        ? s.fPixels[static_cast<size_t>(sy) * (s.fRowBytes / 4) + sx]
                        : 0);
    }
    for (int32_t x = 0; x < width; ++x) {
      const int32_t sx = sourceRect->left + x;
      const int32_t dx = destinationRect->left + x;
      if (sx >= 0 && sx < s.fWidth && dx >= 0 && dx < d.fWidth) {
        d.fPixels[static_cast<size_t>(dy) * (d.fRowBytes / 4) + dx] = row[static_cast<size_t>(x)];
      }
    }
  }
}

} // extern "C"
