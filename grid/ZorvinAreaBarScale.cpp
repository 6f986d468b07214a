// Scroll bars of documents longer than the bars' 32-bit range.
#include <cstdint>

#include "grid/ZorvinArea.h"

namespace {

constexpr CGFloat kBarRange = 2147483646;

} // namespace

CGFloat ZorvinArea::BarFactor(ControlHandle bar) const {
  const CGFloat content = bar == fVertScrollBar ? fContentSize.height : fContentSize.width;
  return content > kBarRange ? content / kBarRange : 1;
}

int64_t ZorvinArea::BarToPixels(ControlHandle bar, int32_t value) const {
  const CGFloat factor = BarFactor(bar);
  if (factor == 1)
    return value;
  // The last value is the document's end exactly, whatever the factor rounds to.
  if (value >= GetControl32BitMaximum(bar)) {
    const bool vertical = bar == fVertScrollBar;
    const CGFloat content = vertical ? fContentSize.height : fContentSize.width;
    const CGFloat view = vertical ? fContentViewFrame.size.height : fContentViewFrame.size.width;
    return content > view ? static_cast<int64_t>(content - view) : 0;
  }
  return static_cast<int64_t>(value * factor);
}

int64_t ZorvinArea::BarPosition(ControlHandle bar) const {
  if (BarFactor(bar) == 1)
    return GetControl32BitValue(bar);
  const CGFloat origin = bar == fVertScrollBar ? fOrigin.y : fOrigin.x;
  return origin < 0 ? static_cast<int64_t>(-origin) : 0;
}

int64_t ZorvinArea::BarMaximum(ControlHandle bar) const {
  return BarToPixels(bar, GetControl32BitMaximum(bar));
}
