#include "ScrollBarLook.h"

#include <algorithm>
#include <cmath>

namespace zvhost {

bool operator==(const BarLook& a, const BarLook& b) {
  return a.frame.top == b.frame.top && a.frame.left == b.frame.left &&
         a.frame.bottom == b.frame.bottom && a.frame.right == b.frame.right && a.min == b.min &&
         a.max == b.max && a.page == b.page && a.pos == b.pos && a.enabled == b.enabled;
}

namespace {

constexpr int32_t kMinThumb = 8;

constexpr uint32_t kTrackColor = 0xFFF0F0F0u;
constexpr uint32_t kButtonColor = 0xFFDCDCDCu;
constexpr uint32_t kThumbColor = 0xFFC0C0C0u;
constexpr uint32_t kThumbEdgeColor = 0xFF9C9C9Cu;
constexpr uint32_t kArrowColor = 0xFF505050u;
constexpr uint32_t kGreyedArrowColor = 0xFFB0B0B0u;

int64_t LastPosition(const BarLook& bar) {
  return bar.page > 0 ? int64_t{bar.max} - bar.page + 1 : int64_t{bar.max};
}

void Fill(FDDeviceContext& surface, int32_t left, int32_t top, int32_t right, int32_t bottom,
          uint32_t color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, surface.fWidth);
  bottom = std::min(bottom, surface.fHeight);
  if (surface.fPixels == nullptr || surface.fRowBytes < 4) {
    return;
  }
  for (int32_t y = top; y < bottom; ++y) {
    uint32_t* row = surface.fPixels + static_cast<size_t>(y) * (surface.fRowBytes / 4);
    std::fill(row + std::max(left, 0), row + std::max(right, left), color);
  }
}

// A small triangle pointing towards the bar's start (`towardsStart`) or its end, centred in the
// square whose top-left corner is (left, top).
void Arrow(FDDeviceContext& surface, bool horizontal, bool towardsStart, int32_t left, int32_t top,
           int32_t size, uint32_t color) {
  const int32_t depth = std::max(2, size / 4);
  const int32_t centre = size / 2;
  const int32_t first = (size - depth) / 2;
  for (int32_t i = 0; i < depth; ++i) {
    // Row i of the triangle, from its tip: 2i + 1 pixels wide.
    const int32_t along = towardsStart ? first + i : first + depth - 1 - i;
    if (horizontal) {
      Fill(surface, left + along, top + centre - i, left + along + 1, top + centre + i + 1, color);
    } else {
      Fill(surface, left + centre - i, top + along, left + centre + i + 1, top + along + 1, color);
    }
  }
}

} // namespace

BarLook MirrorControl(const Rect& frame, int32_t minimum, int32_t maximum, int32_t viewSize,
                      int32_t value, uint8_t hilite) {
  BarLook bar;
  bar.frame = frame;
  const int64_t span = std::max<int64_t>(int64_t{maximum} - minimum + 1, 0);
  const int64_t page = std::clamp<int64_t>(viewSize, 0, span);
  bar.min = minimum;
  // Without a page every position up to the maximum is reachable.
  const int64_t last = page > 0 ? int64_t{maximum} + page - 1 : int64_t{maximum};
  bar.max = static_cast<int32_t>(std::clamp<int64_t>(last, INT32_MIN, INT32_MAX));
  bar.page = static_cast<uint32_t>(page);
  bar.pos = value;
  bar.enabled = hilite != 255;
  return bar;
}

BarLayout LayOut(const BarLook& bar) {
  BarLayout layout;
  const int32_t width = bar.frame.right - bar.frame.left;
  const int32_t height = bar.frame.bottom - bar.frame.top;
  layout.horizontal = width > height;
  layout.length = std::max(layout.horizontal ? width : height, 0);
  const int32_t thickness = std::max(layout.horizontal ? height : width, 0);
  layout.arrow = std::min(thickness, layout.length / 2);
  const int64_t last = LastPosition(bar);
  layout.active = bar.enabled && last > bar.min;
  const int32_t track = layout.length - 2 * layout.arrow;
  if (!layout.active || track < kMinThumb) {
    return layout;
  }
  const int64_t whole = int64_t{bar.max} - bar.min + 1;
  const int64_t proportional = bar.page > 0 ? int64_t{track} * bar.page / whole : thickness;
  layout.thumbLength = static_cast<int32_t>(std::clamp<int64_t>(proportional, kMinThumb, track));
  const int64_t pos = std::clamp<int64_t>(bar.pos, bar.min, last);
  const int64_t room = track - layout.thumbLength;
  layout.thumbStart =
      layout.arrow + static_cast<int32_t>(room * (pos - bar.min) / (last - bar.min));
  layout.hasThumb = true;
  return layout;
}

int16_t PartAt(const BarLook& bar, int32_t x, int32_t y) {
  const Rect& f = bar.frame;
  if (x < f.left || x >= f.right || y < f.top || y >= f.bottom) {
    return 0;
  }
  const BarLayout layout = LayOut(bar);
  const int32_t along = layout.horizontal ? x - f.left : y - f.top;
  if (along < layout.arrow) {
    return kControlUpButtonPart;
  }
  if (along >= layout.length - layout.arrow) {
    return kControlDownButtonPart;
  }
  if (!layout.hasThumb) {
    return 0;
  }
  if (along < layout.thumbStart) {
    return kControlPageUpPart;
  }
  if (along < layout.thumbStart + layout.thumbLength) {
    return kControlIndicatorPart;
  }
  return kControlPageDownPart;
}

int32_t PositionAfterThumbMove(const BarLook& bar, int32_t pixels) {
  const BarLayout layout = LayOut(bar);
  const int64_t last = LastPosition(bar);
  if (!layout.hasThumb) {
    return bar.pos;
  }
  const int64_t room = layout.length - 2 * layout.arrow - layout.thumbLength;
  const int64_t pos = std::clamp<int64_t>(bar.pos, bar.min, last);
  if (room <= 0) {
    return static_cast<int32_t>(pos);
  }
  const double moved = std::round(double(pixels) * double(last - bar.min) / double(room));
  const double target = std::clamp(double(pos) + moved, double(bar.min), double(last));
  return static_cast<int32_t>(target);
}

void DrawBar(const BarLook& bar, FDDeviceContext& surface) {
  const BarLayout layout = LayOut(bar);
  const Rect& f = bar.frame;
  Fill(surface, f.left, f.top, f.right, f.bottom, kTrackColor);
  const int32_t a = layout.arrow;
  if (a <= 0) {
    return;
  }
  const uint32_t arrowColor = layout.active ? kArrowColor : kGreyedArrowColor;
  // Rectangles along the bar, from `start` for `count` pixels, across its whole thickness.
  auto span = [&](int32_t start, int32_t count, uint32_t color) {
    if (layout.horizontal) {
      Fill(surface, f.left + start, f.top, f.left + start + count, f.bottom, color);
    } else {
      Fill(surface, f.left, f.top + start, f.right, f.top + start + count, color);
    }
  };
  span(0, a, kButtonColor);
  span(layout.length - a, a, kButtonColor);
  if (layout.horizontal) {
    Arrow(surface, true, true, f.left, f.top, a, arrowColor);
    Arrow(surface, true, false, f.right - a, f.top, a, arrowColor);
  } else {
    Arrow(surface, false, true, f.left, f.top, a, arrowColor);
    Arrow(surface, false, false, f.left, f.bottom - a, a, arrowColor);
  }
  if (layout.hasThumb) {
    span(layout.thumbStart, layout.thumbLength, kThumbEdgeColor);
    if (layout.horizontal) {
      Fill(surface, f.left + layout.thumbStart + 1, f.top + 1,
           f.left + layout.thumbStart + layout.thumbLength - 1, f.bottom - 1, kThumbColor);
    } else {
      Fill(surface, f.left + 1, f.top + layout.thumbStart + 1, f.right - 1,
           f.top + layout.thumbStart + layout.thumbLength - 1, kThumbColor);
    }
  }
}

} // namespace zvhost
