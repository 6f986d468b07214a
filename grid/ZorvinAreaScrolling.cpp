#include <algorithm>
#include <cstdint>

#include "grid/ZorvinArea.h"
#include "platform/win/ZorvinAreaControlsWin.h"
#include "util/ZVKeys.h"

namespace {

// The bar value snapped to a cell boundary: forward past the middle of the gap and cell, back
// within the first half of the cell, left alone in between.
int64_t AlignedValue(int64_t value, int64_t maximum, int64_t pitch, int64_t spacing, int64_t cell) {
  // Cells and spacing that both shrink below a pixel have no boundary to snap to.
  if (pitch <= 0 || value == maximum)
    return value;
  const int64_t r = value % pitch;
  if (r == 0)
    return value;
  if (r > spacing + cell / 2)
    return value + pitch - r;
  if (r < cell / 2)
    return value - r;
  return value;
}

} // namespace

void ZorvinArea::AlignScrollToCell() {
  const CGSize spacing = DocSizeToScaled(fCellSpacing);
  const CGSize cell = DocSizeToScaled(fCellSize);
  const int32_t spacingX = CGFloatToInt32(spacing.width);
  const int32_t spacingY = CGFloatToInt32(spacing.height);
  const int32_t cellX = CGFloatToInt32(cell.width);
  const int32_t cellY = CGFloatToInt32(cell.height);
  if (fHorzScrollNeeded && fHorzScrollBar != nullptr) {
    const int64_t value = AlignedValue(BarPosition(fHorzScrollBar), BarMaximum(fHorzScrollBar),
                                       int64_t{spacingX} + cellX, spacingX, cellX);
    fOrigin.x = static_cast<CGFloat>(-value);
  }
  if (fVertScrollNeeded && fVertScrollBar != nullptr) {
    const int64_t value = AlignedValue(BarPosition(fVertScrollBar), BarMaximum(fVertScrollBar),
                                       int64_t{spacingY} + cellY, spacingY, cellY);
    fOrigin.y = static_cast<CGFloat>(-value);
  }
}

void ZorvinArea::ScrollBarTo(ControlHandle bar, int64_t pixels) {
  const int64_t maximum = BarMaximum(bar);
  const int64_t value = std::clamp<int64_t>(pixels, GetControl32BitMinimum(bar), maximum);
  const CGFloat factor = BarFactor(bar);
  SetControl32BitValue(bar, value == maximum
                                ? GetControl32BitMaximum(bar)
                                : CGFloatToInt32(static_cast<CGFloat>(value) / factor));
  if (bar == fVertScrollBar)
    fOrigin.y = static_cast<CGFloat>(-value);
  else
    fOrigin.x = static_cast<CGFloat>(-value);
  if (GetScrollsByCell())
    AlignScrollToCell();
}

void ZorvinArea::ScrollToBarValue(ControlHandle bar, int32_t value) {
  SetControl32BitValue(bar, value);
  const auto pixels = static_cast<CGFloat>(BarToPixels(bar, GetControl32BitValue(bar)));
  if (bar == fVertScrollBar)
    fOrigin.y = -pixels;
  else
    fOrigin.x = -pixels;
  if (GetScrollsByCell())
    AlignScrollToCell();
}

int32_t ZorvinArea::GetPixelLineStep(bool vertical) const {
  const CGFloat view = vertical ? fContentViewFrame.size.height : fContentViewFrame.size.width;
  const int32_t page = CGFloatToInt32(view * 3 / 4);
  return page <= 10 ? 1 : page / 10;
}

int32_t ZorvinArea::GetLineStep(bool vertical) const {
  if (!GetScrollsByCell())
    return GetPixelLineStep(vertical);
  const CGSize cell = DocSizeToScaled(fCellSize);
  // Cells under one scaled pixel step a pixel at a time.
  return std::max(1, CGFloatToInt32(vertical ? cell.height : cell.width));
}

int32_t ZorvinArea::GetPageStep(bool vertical) const {
  const CGFloat view = vertical ? fContentViewFrame.size.height : fContentViewFrame.size.width;
  if (!GetScrollsByCell())
    return CGFloatToInt32(view * 3 / 4);
  const int32_t line = GetLineStep(vertical);
  return std::max(line, (CGFloatToInt32(view) / line) * line);
}

bool ZorvinArea::DoScrollWheelEvent(Point where, int32_t delta, uint16_t /*modifiers*/) {
  // The event's modifiers may be stale by the time the wheel turns; the keys held now count.
  const uint16_t modifiers = GetModifiers();
  bool horizontal = false;
  if (fHorzScrollNeeded && fVertScrollNeeded) {
    horizontal = (modifiers & kFDShiftKeyMask) != 0;
  } else if (fHorzScrollNeeded) {
    horizontal = true;
  } else if (!fVertScrollNeeded) {
    return false;
  }
  ControlHandle bar = horizontal ? fHorzScrollBar : fVertScrollBar;
  if (bar == nullptr)
    return false;
  const int32_t step = GetPixelLineStep(!horizontal);
  ScrollBarTo(bar, BarPosition(bar) + (delta >= 0 ? -step : step));
  LoadVisibleCellData();
  RedrawContentViewImmediately();
  DoCursor(&where);
  return true;
}

int32_t ZorvinArea::RevealCell(int32_t cell) {
  if (cell < 1 || cell > fCellCount)
    return -50;
  const CGRect r =
      DocRectToView(GetCellRect(CellIndexToLocation(static_cast<uint32_t>(cell)), false));
  const CGRect c = fContentViewFrame;
  CGPoint origin = fOrigin;
  if (r.origin.x >= c.origin.x && r.origin.x + r.size.width > c.origin.x + c.size.width)
    origin.x -= (r.origin.x + r.size.width) - (c.origin.x + c.size.width);
  else if (r.origin.x < c.origin.x)
    origin.x += c.origin.x - r.origin.x;
  if (r.origin.y >= c.origin.y && r.origin.y + r.size.height > c.origin.y + c.size.height)
    origin.y -= (r.origin.y + r.size.height) - (c.origin.y + c.size.height);
  else if (r.origin.y < c.origin.y)
    origin.y += c.origin.y - r.origin.y;
  if (origin.x != fOrigin.x || origin.y != fOrigin.y) {
    fOrigin = origin;
    AdjustScrollbars();
    LoadVisibleCellData();
    RedrawContentViewImmediately();
  }
  return 0;
}
