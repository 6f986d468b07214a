// A window's real pixels: its client area as shown, the scroll-bar child windows included.
#include "Snapshot.h"

#include "RealWindows.h"
#include "Surface.h"

namespace zvhost {

namespace {

std::vector<uint32_t> ReadPixels(const Window& window, bool withChildren) {
  const int32_t width = SurfaceWidth(window);
  const int32_t height = SurfaceHeight(window);
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height),
                               0xFFFFFFFFu);
  if (window.native == nullptr) {
    return pixels;
  }
  if (withChildren) {
    // The bars paint what they owe before they are read.
    RedrawWindow(window.native, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  GdiFlush();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // rows top down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory == nullptr || bitmap == nullptr) {
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
  }
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HDC source = GetDCEx(window.native, nullptr, DCX_CACHE);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  ReleaseDC(window.native, source);
  GdiFlush();
  const auto* read = static_cast<const uint32_t*>(bits);
  // The window system keeps no alpha: what it shows is opaque.
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = read[i] | 0xFF000000u;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

} // namespace

std::vector<uint32_t> SurfacePixels(const Window& window) {
  return ReadPixels(window, false);
}

std::vector<uint32_t> SnapshotPixels(const Window& window) {
  return ReadPixels(window, true);
}

} // namespace zvhost
