#include "Snapshot.h"

#include <algorithm>

#include "Controls.h"

namespace zvhost {

std::vector<uint32_t> SurfacePixels(const Window& window) {
  const FDDeviceContext& surface = window.context;
  std::vector<uint32_t> pixels(static_cast<size_t>(surface.fWidth) *
                               static_cast<size_t>(surface.fHeight));
  for (int32_t y = 0; y < surface.fHeight; ++y) {
    const uint32_t* row = surface.fPixels + static_cast<size_t>(y) * (surface.fRowBytes / 4);
    std::copy(row, row + surface.fWidth,
              pixels.begin() + static_cast<ptrdiff_t>(y) * surface.fWidth);
  }
  return pixels;
}

std::vector<uint32_t> SnapshotPixels(const Window& window) {
  const FDDeviceContext& surface = window.context;
  std::vector<uint32_t> pixels = SurfacePixels(window);
  // The child windows lie over the surface; they are drawn on the copy, never into it.
  FDDeviceContext copy{surface.fWidth, surface.fHeight, surface.fWidth * 4, pixels.data()};
  for (const Control* control : ShownControlsOf(&window)) {
    BarLook look;
    if (NativeBarLook(*control, &look)) {
      DrawBar(look, copy);
    }
  }
  return pixels;
}

} // namespace zvhost
