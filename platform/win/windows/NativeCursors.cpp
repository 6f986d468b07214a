#include "platform/win/NativeCursors.h"

#include <string.h>

namespace {

// The window system's own limit for a cursor's side.
constexpr int32_t kMaxCursorSide = 256;

} // namespace

HCURSOR MakeCursorFromPixels(int32_t width, int32_t height, const uint32_t* pixels, int32_t hotX,
                             int32_t hotY) {
  if (pixels == nullptr || width <= 0 || height <= 0 || width > kMaxCursorSide ||
      height > kMaxCursorSide || hotX < 0 || hotY < 0 || hotX >= width || hotY >= height) {
    return nullptr;
  }
  // The colour in a 32-bit section with its alpha (0xAARRGGBB is the section's own byte order);
  // the mask all clear, so that the alpha alone decides what shows.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // rows top down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (color == nullptr || bits == nullptr) {
    if (color != nullptr) {
      DeleteObject(color);
    }
    return nullptr;
  }
  memcpy(bits, pixels, size_t(width) * size_t(height) * 4);
  GdiFlush();
  // Monochrome rows are padded to 16 bits; this holds the largest cursor's.
  static const uint8_t kClear[kMaxCursorSide / 8 * kMaxCursorSide] = {};
  HBITMAP mask = CreateBitmap(width, height, 1, 1, kClear);
  HCURSOR cursor = nullptr;
  if (mask != nullptr) {
    ICONINFO icon = {};
    icon.fIcon = FALSE; // a cursor, with its hot spot
    icon.xHotspot = DWORD(hotX);
    icon.yHotspot = DWORD(hotY);
    icon.hbmMask = mask;
    icon.hbmColor = color;
    cursor = CreateIconIndirect(&icon);
    DeleteObject(mask);
  }
  DeleteObject(color);
  return cursor;
}

HCURSOR GetSizeAllCursor() {
  return LoadCursor(nullptr, IDC_SIZEALL);
}
