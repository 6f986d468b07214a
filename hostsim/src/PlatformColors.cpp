// How the window system looks to a plug-in: its system colours and its mouse cursors.
#include <algorithm>
#include <cstring>
#include <new>
#include <set>
#include <utility>
#include <vector>

#include "sdk/HostPlatform.h"

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | g << 8 | b << 16;
}

// The default theme's colours by index; the gap at 25 is an index the window system never had.
constexpr uint32_t kSysColors[] = {Rgb(200, 200, 200), Rgb(0, 0, 0),
                                   Rgb(153, 180, 209), Rgb(191, 205, 219),
                                   Rgb(240, 240, 240), Rgb(255, 255, 255),
                                   Rgb(100, 100, 100), Rgb(0, 0, 0),
                                   Rgb(0, 0, 0),       Rgb(0, 0, 0),
                                   Rgb(180, 180, 180), Rgb(244, 247, 252),
                                   Rgb(171, 171, 171), Rgb(0, 120, 215),
                                   Rgb(255, 255, 255), Rgb(240, 240, 240),
                                   Rgb(160, 160, 160), Rgb(109, 109, 109),
                                   Rgb(0, 0, 0),       Rgb(0, 0, 0),
                                   Rgb(255, 255, 255), Rgb(105, 105, 105),
                                   Rgb(227, 227, 227), Rgb(0, 0, 0),
                                   Rgb(255, 255, 225), 0,
                                   Rgb(0, 102, 204),   Rgb(185, 209, 234),
                                   Rgb(215, 228, 242), Rgb(0, 120, 215),
                                   Rgb(240, 240, 240)};

constexpr int32_t kMaxCursorSide = 256;

} // namespace

struct ZVCursor {
  ZVCursorInfo fInfo;
  std::vector<uint32_t> fPixels; // empty for a stock cursor
};

namespace {

ZVCursor sArrow{{16, 16, 0, 0, kArrowCursor}, {}};
ZVCursor sSizeAll{{16, 16, 8, 8, kSizeAllCursor}, {}};
ZVCursor* sCurrent = &sArrow;

// Made cursors, so that a pointer this host never handed out is refused instead of followed.
std::set<const ZVCursor*>& MadeCursors() {
  static std::set<const ZVCursor*> sMade;
  return sMade;
}

bool IsStock(const ZVCursor* cursor) {
  return cursor == &sArrow || cursor == &sSizeAll;
}

bool IsKnown(const ZVCursor* cursor) {
  return cursor != nullptr && (IsStock(cursor) || MadeCursors().count(cursor) != 0);
}

} // namespace

extern "C" {

uint32_t GetSysColor(int index) {
  constexpr int count = sizeof kSysColors / sizeof kSysColors[0];
  return index >= 0 && index < count ? kSysColors[index] : 0;
}

ZVCursor* CreateCursorFromPixels(int32_t width, int32_t height, const uint32_t* pixels,
                                 int32_t hotX, int32_t hotY) {
  if (pixels == nullptr || width < 1 || height < 1 || width > kMaxCursorSide ||
      height > kMaxCursorSide || hotX < 0 || hotY < 0 || hotX >= width || hotY >= height) {
    return nullptr;
  }
  try {
    auto* cursor = new ZVCursor{{width, height, hotX, hotY, 0}, {}};
    cursor->fPixels.assign(pixels, pixels + size_t(width) * size_t(height));
    try {
      MadeCursors().insert(cursor);
    } catch (...) {
      delete cursor;
      return nullptr;
    }
    return cursor;
  } catch (...) {
    return nullptr;
  }
}

ZVCursor* LoadStockCursor(int32_t which) {
  switch (which) {
  case kArrowCursor:
    return &sArrow;
  case kSizeAllCursor:
    return &sSizeAll;
  }
  return nullptr;
}

ZVCursor* SetCursor(ZVCursor* cursor) {
  if (!IsKnown(cursor)) {
    return nullptr;
  }
  return std::exchange(sCurrent, cursor);
}

ZVCursor* GetCursor(void) {
  return sCurrent;
}

int32_t DestroyCursor(ZVCursor* cursor) {
  if (IsStock(cursor) || !IsKnown(cursor)) {
    return 0;
  }
  MadeCursors().erase(cursor);
  if (sCurrent == cursor) {
    sCurrent = &sArrow;
  }
  delete cursor;
  return 1;
}

int32_t GetCursorInfo(const ZVCursor* cursor, ZVCursorInfo* info) {
  if (info == nullptr) {
    return 0;
  }
  if (!IsKnown(cursor)) {
    std::memset(info, 0, sizeof *info);
    return 0;
  }
  *info = cursor->fInfo;
  return 1;
}

uint32_t GetCursorPixel(const ZVCursor* cursor, int32_t x, int32_t y) {
  if (!IsKnown(cursor) || cursor->fPixels.empty() || x < 0 || y < 0 || x >= cursor->fInfo.fWidth ||
      y >= cursor->fInfo.fHeight) {
    return 0;
  }
  return cursor->fPixels[size_t(y) * size_t(cursor->fInfo.fWidth) + size_t(x)];
}

} // extern "C"
