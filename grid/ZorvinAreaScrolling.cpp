// Scrolling: the bars and their steps, the wheel, revealing a cell, and where the views and bars
// sit in the area.
#include "grid/ZorvinArea.h"

#include <algorithm>
#include <cstdint>

#include "platform/win/ZorvinAreaControlsWin.h"
#include "util/ZVKeys.h"

namespace {

// The bar value snapped to a cell boundary: forward past the middle of the gap and cell, back
// within the first half of the cell, left alone in between.
int64_t AlignedValue(int64_t value, int64_t maximum, int64_t pitch, int64_t spacing, int64_t cell) {
  // Cells and spacing that both shrink below a pixel have no boundary to snap to.
  if (pitch <= 0 || value == maximum) {
    return value;
  }
  const int64_t r = value % pitch;
  if (r == 0) {
    return value;
  }
  if (r > spacing + cell / 2) {
    return value + pitch - r;
  }
  if (r < cell / 2) {
    return value - r;
  }
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
  if (bar == fVertScrollBar) {
    fOrigin.y = static_cast<CGFloat>(-value);
  } else {
    fOrigin.x = static_cast<CGFloat>(-value);
  }
  if (GetScrollsByCell()) {
    AlignScrollToCell();
  }
}

void ZorvinArea::ScrollToBarValue(ControlHandle bar, int32_t value) {
  SetControl32BitValue(bar, value);
  const auto pixels = static_cast<CGFloat>(BarToPixels(bar, GetControl32BitValue(bar)));
  if (bar == fVertScrollBar) {
    fOrigin.y = -pixels;
  } else {
    fOrigin.x = -pixels;
  }
  if (GetScrollsByCell()) {
    AlignScrollToCell();
  }
}

int32_t ZorvinArea::GetPixelLineStep(bool vertical) const {
  const CGFloat view = vertical ? fContentViewFrame.size.height : fContentViewFrame.size.width;
  const int32_t page = CGFloatToInt32(view * 3 / 4);
  return page <= 10 ? 1 : page / 10;
}

int32_t ZorvinArea::GetLineStep(bool vertical) const {
  if (!GetScrollsByCell()) {
    return GetPixelLineStep(vertical);
  }
  const CGSize cell = DocSizeToScaled(fCellSize);
  // Cells under one scaled pixel step a pixel at a time.
  return std::max(1, CGFloatToInt32(vertical ? cell.height : cell.width));
}

int32_t ZorvinArea::GetPageStep(bool vertical) const {
  const CGFloat view = vertical ? fContentViewFrame.size.height : fContentViewFrame.size.width;
  if (!GetScrollsByCell()) {
    return CGFloatToInt32(view * 3 / 4);
  }
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
  if (bar == nullptr) {
    return false;
  }
  const int32_t step = GetPixelLineStep(!horizontal);
  ScrollBarTo(bar, BarPosition(bar) + (delta >= 0 ? -step : step));
  LoadVisibleCellData();
  RedrawContentViewImmediately();
  DoCursor(&where);
  return true;
}

int32_t ZorvinArea::RevealCell(int32_t cell) {
  if (cell < 1 || cell > fCellCount) {
    return -50;
  }
  const CGRect r =
      DocRectToView(GetCellRect(CellIndexToLocation(static_cast<uint32_t>(cell)), false));
  const CGRect c = fContentViewFrame;
  CGPoint origin = fOrigin;
  if (r.origin.x >= c.origin.x && r.origin.x + r.size.width > c.origin.x + c.size.width) {
    origin.x -= (r.origin.x + r.size.width) - (c.origin.x + c.size.width);
  } else if (r.origin.x < c.origin.x) {
    origin.x += c.origin.x - r.origin.x;
  }
  if (r.origin.y >= c.origin.y && r.origin.y + r.size.height > c.origin.y + c.size.height) {
    origin.y -= (r.origin.y + r.size.height) - (c.origin.y + c.size.height);
  } else if (r.origin.y < c.origin.y) {
    origin.y += c.origin.y - r.origin.y;
  }
  if (origin.x != fOrigin.x || origin.y != fOrigin.y) {
    fOrigin = origin;
    AdjustScrollbars();
    LoadVisibleCellData();
    RedrawContentViewImmediately();
  }
  return 0;
}

// Scroll bars of documents longer than the bars' 32-bit range.

namespace {

constexpr CGFloat kBarRange = 2147483646;

} // namespace

CGFloat ZorvinArea::BarFactor(ControlHandle bar) const {
  const CGFloat content = bar == fVertScrollBar ? fContentSize.height : fContentSize.width;
  return content > kBarRange ? content / kBarRange : 1;
}

int64_t ZorvinArea::BarToPixels(ControlHandle bar, int32_t value) const {
  const CGFloat factor = BarFactor(bar);
  if (factor == 1) {
    return value;
  }
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
  if (BarFactor(bar) == 1) {
    return GetControl32BitValue(bar);
  }
  const CGFloat origin = bar == fVertScrollBar ? fOrigin.y : fOrigin.x;
  return origin < 0 ? static_cast<int64_t>(-origin) : 0;
}

int64_t ZorvinArea::BarMaximum(ControlHandle bar) const {
  return BarToPixels(bar, GetControl32BitMaximum(bar));
}

void ZorvinArea::AdjustViews() {
  const CGFloat width = fAreaViewFrame.size.width;
  const CGFloat height = fAreaViewFrame.size.height;
  const auto bar = static_cast<CGFloat>(ZorvinAreaControlsWin::GetScrollbarSize());
  const bool horz = IsHorzScrollVisible();
  const bool vert = IsVertScrollVisible();
  fHorzScrollFrame = horz ? CGRectMake(0, height - bar, width - (vert ? bar : 0), bar)
                          : CGRectMake(0, height - bar, 0, 0);
  fVertScrollFrame = vert ? CGRectMake(width - bar, 0, bar, height - (horz ? bar : 0))
                          : CGRectMake(width - bar, 0, 0, 0);
  fContentViewFrame =
      CGRectMake(0, 0, width - fVertScrollFrame.size.width, height - fHorzScrollFrame.size.height);
  const bool shown = OnCurrentPage() && IsAreaVisible();
  SetScrollbarFrameAndVisibility(fHorzScrollBar, GetPortRelativeViewFrame(fHorzScrollFrame),
                                 horz && shown);
  SetScrollbarFrameAndVisibility(fVertScrollBar, GetPortRelativeViewFrame(fVertScrollFrame),
                                 vert && shown);
}

void ZorvinArea::SetScrollbarFrameAndVisibility(ControlHandle bar, CGRect frame, bool show) {
  if (bar == nullptr) {
    return;
  }
  HideControl(bar);
  SizeControl(bar, CGFloatToInt16(frame.size.width), CGFloatToInt16(frame.size.height));
  MoveControl(bar, CGFloatToInt16(frame.origin.x), CGFloatToInt16(frame.origin.y));
  if (show) {
    ShowControl(bar);
  }
}

CGRect ZorvinArea::GetPortRelativeViewFrame(CGRect frame) const {
  frame.origin.x += fAreaViewFrame.origin.x;
  frame.origin.y += fAreaViewFrame.origin.y;
  return frame;
}

CGPoint ZorvinArea::PortPointToContentView(CGPoint point) const {
  return CGPointMake(point.x - fAreaViewFrame.origin.x - fContentViewFrame.origin.x,
                     point.y - fAreaViewFrame.origin.y - fContentViewFrame.origin.y);
}

namespace {

// Content smaller than the view sits by the alignment; larger content keeps its scroll position
// but never shows empty space past its end.
CGFloat AdjustedOrigin(CGFloat origin, CGFloat view, CGFloat content, int32_t alignment) {
  if (view > content) {
    switch (alignment) {
    case kZVAlignStart:
      return 0;
    case kZVAlignCenter:
      return (view - content) / 2;
    case kZVAlignEnd:
      return view - content;
    default:
      return origin;
    }
  }
  if (view > origin + content) {
    return view - content;
  }
  return origin > 0 ? 0 : origin;
}

} // namespace

// Between the aligned place of content smaller than the view and the end of larger content.
bool ZorvinArea::IsOriginInBounds() const {
  const auto within = [](CGFloat origin, CGFloat view, CGFloat content) {
    const CGFloat slack = view - content;
    return origin >= std::min<CGFloat>(0, slack) - 0.5 &&
           origin <= std::max<CGFloat>(0, slack) + 0.5;
  };
  return within(fOrigin.x, fContentViewFrame.size.width, fContentSize.width) &&
         within(fOrigin.y, fContentViewFrame.size.height, fContentSize.height);
}

void ZorvinArea::AdjustOrigin() {
  fOrigin.x =
      AdjustedOrigin(fOrigin.x, fContentViewFrame.size.width, fContentSize.width, fHorzAlignment);
  fOrigin.y =
      AdjustedOrigin(fOrigin.y, fContentViewFrame.size.height, fContentSize.height, fVertAlignment);
}

namespace {

void AdjustScrollbar(ControlHandle bar, CGFloat content, CGFloat view, CGFloat origin,
                     CGFloat factor) {
  if (bar == nullptr) {
    return;
  }
  SetControl32BitMinimum(bar, 0);
  if (content > view) {
    const int32_t maximum = CGFloatToInt32((content - view) / factor);
    SetControl32BitMaximum(bar, maximum);
    SetControlViewSize(bar, std::max(1, CGFloatToInt32(view / factor)));
    SetControl32BitValue(bar,
                         -origin >= content - view ? maximum : CGFloatToInt32(-origin / factor));
  } else {
    SetControl32BitValue(bar, 0);
    SetControl32BitMaximum(bar, 0);
    SetControlViewSize(bar, INT32_MAX);
  }
}

} // namespace

void ZorvinArea::AdjustScrollbars() {
  AdjustScrollbar(fHorzScrollBar, fContentSize.width, fContentViewFrame.size.width, fOrigin.x,
                  BarFactor(fHorzScrollBar));
  AdjustScrollbar(fVertScrollBar, fContentSize.height, fContentViewFrame.size.height, fOrigin.y,
                  BarFactor(fVertScrollBar));
}
