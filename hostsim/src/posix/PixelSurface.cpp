// The emulated window system's surfaces: a window's pixels live in host memory and its native
// window is the imitation's, whose handle is the host window record itself.
#include <algorithm>
#include <new>

#include "NativeWindows.h"
#include "Surface.h"

namespace zvhost {

namespace {
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
} // namespace

bool CreateSurface(Window& window) {
  const int32_t width = window.frame.right - window.frame.left;
  const int32_t height = window.frame.bottom - window.frame.top;
  try {
    window.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kOpaqueWhite);
  } catch (const std::bad_alloc&) {
    return false;
  }
  window.context = FDDeviceContext{width, height, width * 4, window.pixels.data()};
  window.record = native::CreateHostWindow(&window);
  return true;
}

void DestroySurface(Window& window) {
  native::DestroyHostWindow(window.record);
}

FDDeviceContext* SurfaceContext(Window& window) {
  return &window.context;
}

void EraseSurfaceRect(Window& window, const Rect& rect) {
  const int32_t left = std::max<int32_t>(rect.left, 0);
  const int32_t top = std::max<int32_t>(rect.top, 0);
  const int32_t right = std::min<int32_t>(rect.right, window.context.fWidth);
  const int32_t bottom = std::min<int32_t>(rect.bottom, window.context.fHeight);
  for (int32_t y = top; y < bottom; ++y) {
    uint32_t* row = window.pixels.data() + size_t(y) * size_t(window.context.fWidth);
    std::fill(row + left, row + std::max(left, right), kOpaqueWhite);
  }
}

void CopySurfacePixels(const Window& from, Window& to, const Rect& fromRect, const Rect& toRect) {
  const int32_t width = std::min(fromRect.right - fromRect.left, toRect.right - toRect.left);
  const int32_t height = std::min(fromRect.bottom - fromRect.top, toRect.bottom - toRect.top);
  const FDDeviceContext& s = from.context;
  FDDeviceContext& d = to.context;
  // Rows are copied through a buffer: the two rectangles may overlap in one surface.
  std::vector<uint32_t> row;
  for (int32_t y = 0; y < height; ++y) {
    const int32_t sy = fromRect.top + y;
    const int32_t dy = toRect.top + y;
    if (sy < 0 || sy >= s.fHeight || dy < 0 || dy >= d.fHeight) {
      continue;
    }
    row.clear();
    for (int32_t x = 0; x < width; ++x) {
      const int32_t sx = fromRect.left + x;
      row.push_back(sx >= 0 && sx < s.fWidth
                        ? s.fPixels[static_cast<size_t>(sy) * (s.fRowBytes / 4) + sx]
                        : 0);
    }
    for (int32_t x = 0; x < width; ++x) {
      const int32_t sx = fromRect.left + x;
      const int32_t dx = toRect.left + x;
      if (sx >= 0 && sx < s.fWidth && dx >= 0 && dx < d.fWidth) {
        d.fPixels[static_cast<size_t>(dy) * (d.fRowBytes / 4) + dx] = row[static_cast<size_t>(x)];
      }
    }
  }
}

// The imitation's host window and its native window are one value.
HWND NativeHandleOf(const void* hostPointer) {
  const Window* window = Windows().FromPointer(hostPointer);
  return window != nullptr ? window->record : nullptr;
}

Window* WindowOfNativeHandle(const void* handle) {
  return Windows().FromPointer(handle);
}

int32_t SurfaceWidth(const Window& window) {
  return window.context.fWidth;
}

int32_t SurfaceHeight(const Window& window) {
  return window.context.fHeight;
}

} // namespace zvhost
