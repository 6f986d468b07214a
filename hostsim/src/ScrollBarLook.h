// How the emulator's scroll bars are laid out and drawn: arrows that are squares of the bar's
// thickness at each end, a track between them and a thumb whose length is the page's share of
// the whole range, at least 8 pixels.
#pragma once

#include <stdint.h>

#include "sdk/HostPlatform.h"

namespace zvhost {

// A bar as the window system sees it (positions nMin to nMax - nPage + 1).
struct BarLook {
  Rect frame{}; // window coordinates
  int32_t min = 0;
  int32_t max = 0;
  uint32_t page = 0;
  int32_t pos = 0;
  bool enabled = true; // false when the control is highlighted 255
};
bool operator==(const BarLook& a, const BarLook& b);

struct BarLayout {
  bool horizontal = false;
  int32_t length = 0; // along the bar
  int32_t arrow = 0;  // each arrow's length
  bool active = false;
  bool hasThumb = false;
  int32_t thumbStart = 0; // from the bar's start
  int32_t thumbLength = 0;
};

// The look of a bar whose scroll info mirrors a control of the compatibility layer.
BarLook MirrorControl(const Rect& frame, int32_t minimum, int32_t maximum, int32_t viewSize,
                      int32_t value, uint8_t hilite);

BarLayout LayOut(const BarLook& bar);
// 20, 21, 22, 23 or 129 for a point in window coordinates; 0 outside the bar or its parts.
int16_t PartAt(const BarLook& bar, int32_t x, int32_t y);
// The position after the thumb moved `pixels` along the bar.
int32_t PositionAfterThumbMove(const BarLook& bar, int32_t pixels);
// Draws the bar over the surface, clipped to it.
void DrawBar(const BarLook& bar, FDDeviceContext& surface);

} // namespace zvhost
