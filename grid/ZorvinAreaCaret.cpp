// The drop caret: where a drop lands between cells, where the caret is drawn for it, and its
// blinking.
#include "grid/ZorvinArea.h"

#include <new>
#include <vector>

#include "gfx/Brush.h"
#include "gfx/Graphics.h"
#include "host/FourD.h"

namespace {

enum : int32_t {
  kCaretBlinks = 2,
  kCaretArrowHeads = 4,
  kSystemHighlightColor = -254,
};

using Polygon = std::vector<CGPoint>;

// The part of a convex polygon on the inner side of one line x = limit (`vertical`) or
// y = limit: the side of values up to the limit when `keepBelow`.
Polygon CutPolygon(const Polygon& polygon, bool vertical, CGFloat limit, bool keepBelow) {
  Polygon kept;
  const auto along = [vertical](CGPoint p) { return vertical ? p.x : p.y; };
  const auto inside = [&](CGPoint p) { return keepBelow ? along(p) <= limit : along(p) >= limit; };
  for (size_t i = 0; i < polygon.size(); ++i) {
    const CGPoint a = polygon[i];
    const CGPoint b = polygon[(i + 1) % polygon.size()];
    if (inside(a)) {
      kept.push_back(a);
    }
    if (inside(a) != inside(b)) {
      const CGFloat t = (limit - along(a)) / (along(b) - along(a));
      kept.push_back(vertical ? CGPointMake(limit, a.y + (b.y - a.y) * t)
                              : CGPointMake(a.x + (b.x - a.x) * t, limit));
    }
  }
  return kept;
}

// Fills what of a convex polygon lies in `bounds`: cut in double, so that the drawing layer's
// floats only ever see points of the area, however wide the caret.
void FillWithin(gfx::Graphics* graphics, const gfx::Brush* brush, Polygon polygon, CGRect bounds) {
  polygon = CutPolygon(polygon, true, CGRectGetMinX(bounds), false);
  polygon = CutPolygon(polygon, true, CGRectGetMaxX(bounds), true);
  polygon = CutPolygon(polygon, false, CGRectGetMinY(bounds), false);
  polygon = CutPolygon(polygon, false, CGRectGetMaxY(bounds), true);
  if (polygon.size() < 3) {
    return;
  }
  std::vector<gfx::PointF> points;
  points.reserve(polygon.size());
  for (const CGPoint& p : polygon) {
    points.emplace_back(static_cast<float>(p.x), static_cast<float>(p.y));
  }
  graphics->FillPolygon(brush, points.data(), static_cast<int>(points.size()));
}

Polygon Box(CGFloat x, CGFloat y, CGFloat w, CGFloat h) {
  return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

} // namespace

void ZorvinArea::DrawCaret(gfx::Graphics* graphics) {
  if (graphics == nullptr || !fCaretShown || fCaretBrush == nullptr) {
    return;
  }
  if ((fDragFlags & kCaretBlinks) != 0 && !fCaretBlinkOn) {
    return;
  }
  const CGRect doc = GetCaretRect(fCaretCell, fCaretPart);
  // The pass draws in view space; the drawing layer's floats could not hold a point far down a
  // huge document.
  const CGPoint origin = DocPointToView(doc.origin);
  const CGSize size = DocSizeToScaled(doc.size);
  const CGFloat x = origin.x, y = origin.y, w = size.width, h = size.height;
  const CGFloat pen = fCaretWidth;
  // A pixel beyond the view on each side, so that edges that lie outside stay outside.
  const CGRect bounds = CGRectInset(
      CGRectMake(0, 0, fContentViewFrame.size.width, fContentViewFrame.size.height), -1, -1);
  const gfx::SolidBrush* brush = fCaretBrush.get();
  const bool vertical = IsCaretVertical();
  // The line is a pen's width across, with flat ends.
  if (vertical) {
    FillWithin(graphics, brush, Box(x + w / 2 - pen / 2, y, pen, h), bounds);
  } else {
    FillWithin(graphics, brush, Box(x, y + h / 2 - pen / 2, w, pen), bounds);
  }
  if ((fDragFlags & kCaretArrowHeads) != 0) {
    if (vertical) {
      FillWithin(graphics, brush, {{x, y}, {x + w, y}, {x + w / 2, y + w}}, bounds);
      FillWithin(graphics, brush, {{x, y + h}, {x + w, y + h}, {x + w / 2, y + h - w}}, bounds);
    } else {
      FillWithin(graphics, brush, {{x, y}, {x, y + h}, {x + h, y + h / 2}}, bounds);
      FillWithin(graphics, brush, {{x + w, y}, {x + w, y + h}, {x + w - h, y + h / 2}}, bounds);
    }
  }
}

ZorvinArea* ZorvinArea::sCaretBlinkArea = nullptr;

void ZorvinArea::EnableDragCaret(uint32_t cell, DropCellPart part) {
  // The same insertion position may be named from either neighbour.
  if (cell == 0 || fCaretWidth <= 0 ||
      static_cast<int64_t>(cell) + part == static_cast<int64_t>(fCaretCell) + fCaretPart) {
    return;
  }
  if (fCaretShown) {
    fCaretShown = false;
    RedrawCaretImmediately();
  }
  fCaretCell = cell;
  fCaretPart = part;
  fCaretShown = true;
  if ((fDragFlags & kCaretBlinks) != 0) {
    // Drawn first at the first toggle.
    StartCaretBlinkTimer();
  } else {
    RedrawCaretImmediately();
  }
}

void ZorvinArea::DisableDragCaret() {
  if (!fCaretShown) {
    return;
  }
  fCaretShown = false;
  RedrawCaretImmediately();
  fCaretCell = 0;
  fCaretPart = kDropBefore;
  if ((fDragFlags & kCaretBlinks) != 0) {
    StopCaretBlinkTimer();
  }
}

void ZorvinArea::RedrawCaretImmediately() {
  RedrawDocRectImmediately(GetCaretRect(fCaretCell, fCaretPart));
}

void ZorvinArea::StartCaretBlinkTimer() {
  StopCaretBlinkTimer();
  sCaretBlinkArea = this;
  fCaretBlinkOn = false;
  // 0 means not blinking, so a clock at 0 toggles first a tick later.
  const uint32_t now = TickCount();
  fCaretNextBlink = now != 0 ? now : 1;
}

void ZorvinArea::StopCaretBlinkTimer() {
  fCaretNextBlink = 0;
  sCaretBlinkArea = nullptr;
}

void ZorvinArea::CaretTimerTask() {
  ZorvinArea* area = sCaretBlinkArea;
  if (area == nullptr || area->fCaretNextBlink == 0) {
    return;
  }
  const uint32_t now = TickCount();
  // Tick counts wrap; the difference says which comes first.
  if (static_cast<int32_t>(now - area->fCaretNextBlink) < 0) {
    return;
  }
  const uint32_t next = now + static_cast<uint32_t>(area->fCaretBlinkInterval);
  area->fCaretNextBlink = next != 0 ? next : 1;
  area->fCaretBlinkOn = !area->fCaretBlinkOn;
  area->RedrawCaretImmediately();
}

void ZorvinArea::SetupNativeCaretColor() {
  fCaretBrush.reset();
  if (fCaretColor != kSystemHighlightColor) {
    fCaretBrush = CreateOpaqueBrush(fCaretColor);
    return;
  }
  const uint32_t bgr = GetSysColor(COLOR_MENUHILIGHT);
  const RGBColor rgb{static_cast<uint16_t>((bgr & 0xFF) * 257),
                     static_cast<uint16_t>(((bgr >> 8) & 0xFF) * 257),
                     static_cast<uint16_t>(((bgr >> 16) & 0xFF) * 257)};
  const uint32_t argb = FourD::GetARGBColorFromRGBColor(&rgb) | 0xFF000000u;
  fCaretBrush.reset(new (std::nothrow) gfx::SolidBrush(gfx::Color(argb)));
  if (fCaretBrush != nullptr && fCaretBrush->GetLastStatus() != gfx::Status::Ok) {
    fCaretBrush.reset();
  }
}

void ZorvinArea::CleanupNativeCaretColor() {
  fCaretBrush.reset();
}

namespace {

// Where an empty grid's caret sits on one axis, by the grid's alignment on it.
CGFloat EmptyGridCaretOffset(int32_t alignment, CGFloat extent, CGFloat gap) {
  switch (alignment) {
  case kZVAlignStart:
    return gap / 2;
  case kZVAlignCenter:
    return -extent / 2;
  case kZVAlignEnd:
    return -extent - gap / 2;
  default:
    return 0;
  }
}

} // namespace

CGRect ZorvinArea::GetCaretRect(uint32_t cell, DropCellPart part) const {
  // In 64 bits: the width may be any that is not negative.
  const int64_t width = fCaretWidth;
  const bool arrowHeads = (fDragFlags & 4) != 0;
  const CGFloat band = static_cast<CGFloat>(arrowHeads ? 3 * width : width);
  const CGFloat offset = static_cast<CGFloat>(arrowHeads ? width / 2 + width : width / 2);
  const bool vertical = IsCaretVertical();
  if (fCellCount < 1) {
    const CGFloat pitchX = fCellSize.width + fCellSpacing.width;
    const CGFloat pitchY = fCellSize.height + fCellSpacing.height;
    CGRect caret = vertical ? CGRectMake(0, 0, band, pitchY) : CGRectMake(0, 0, pitchX, band);
    caret.origin.x = EmptyGridCaretOffset(fHorzAlignment, caret.size.width, fCellSpacing.width);
    caret.origin.y = EmptyGridCaretOffset(fVertAlignment, caret.size.height, fCellSpacing.height);
    return caret;
  }
  const CGRect r = GetCellRect(CellIndexToLocation(cell), true);
  if (vertical) {
    const CGFloat edge = r.origin.x + (part == kDropAfter ? r.size.width : 0);
    return CGRectMake(edge - offset, r.origin.y, band, r.size.height);
  }
  const CGFloat edge = r.origin.y + (part == kDropAfter ? r.size.height : 0);
  return CGRectMake(r.origin.x, edge - offset, r.size.width, band);
}

bool ZorvinArea::IsCaretVertical() const {
  if (fCellSize.width < 1.0 || fCellSize.height < 1.0) {
    return true;
  }
  if (fCellsInBand != 0) {
    return fCellsInBand > 1;
  }
  const CGSize cell = DocSizeToScaled(fCellSize);
  const CGSize gap = DocSizeToScaled(fCellSpacing);
  const int64_t pitch = static_cast<int64_t>(cell.width) + static_cast<int64_t>(gap.width);
  int64_t perRow = 1;
  if (pitch > 0) {
    perRow =
        (static_cast<int64_t>(fContentViewFrame.size.width) - static_cast<int64_t>(gap.width)) /
        pitch;
  }
  return (perRow == 0 ? 1 : perRow) > 1;
}

DropCellPart ZorvinArea::GetDropCellAtDocPoint(uint32_t excluded, CGPoint point,
                                               uint32_t* cell) const {
  uint32_t found = CellLocationToIndex(DocPointToClosestRangeCheckedCellLocation(point, true));
  *cell = found;
  if (found == 0) {
    return kDropBefore;
  }
  const CGRect r = GetCellRect(CellIndexToLocation(found), true);
  DropCellPart part;
  if (IsCaretVertical()) {
    part = point.x > r.origin.x + r.size.width / 2 ? kDropAfter : kDropBefore;
  } else {
    part = point.y > r.origin.y + r.size.height / 2 ? kDropAfter : kDropBefore;
  }
  if (excluded != 0) {
    // Dropping a cell right before or after itself is not a move.
    bool isVoid = part == kDropAfter ? (found == excluded || found + 1 == excluded)
                                     : (found == excluded || found == excluded + 1);
    if (isVoid) {
      *cell = 0;
      return kDropBefore;
    }
  }
  return part;
}
