// Coordinate spaces (document, scaled, natural, view, port, global) and the hit tests from a
// document point to a cell.
#include "grid/ZorvinArea.h"

#include <algorithm>
#include <cmath>

#include "platform/win/ContentView.h"

namespace {

CGRect SpanOf(CGPoint a, CGPoint b) {
  const CGFloat minX = std::min(a.x, b.x);
  const CGFloat minY = std::min(a.y, b.y);
  return CGRectMake(minX, minY, std::max(a.x, b.x) - minX, std::max(a.y, b.y) - minY);
}

CGPoint FarCorner(CGRect rect) {
  return CGPointMake(rect.origin.x + rect.size.width, rect.origin.y + rect.size.height);
}

// The platform's conversion between the area window's port and the screen; this platform's
// windows draw at the screen's origin.
CGPoint PlatformLocalToGlobal(CGPoint point) {
  return point;
}

CGPoint PlatformGlobalToLocal(CGPoint point) {
  return point;
}

} // namespace

CGPoint ZorvinArea::DocPointToScaled(CGPoint point) const {
  return CGPointMake(point.x * fScale, point.y * fScale);
}

CGSize ZorvinArea::DocSizeToScaled(CGSize size) const {
  return CGSizeMake(size.width * fScale, size.height * fScale);
}

CGPoint ZorvinArea::ScaledPointToDoc(CGPoint point) const {
  return CGPointMake(point.x / fScale, point.y / fScale);
}

CGSize ZorvinArea::ScaledSizeToDoc(CGSize size) const {
  return CGSizeMake(size.width / fScale, size.height / fScale);
}

// A picture's natural size and the document scale alike.
CGPoint ZorvinArea::NaturalPointToScaled(CGPoint point) const {
  return DocPointToScaled(point);
}

CGSize ZorvinArea::NaturalSizeToScaled(CGSize size) const {
  return DocSizeToScaled(size);
}

CGPoint ZorvinArea::ScaledPointToNatural(CGPoint point) const {
  return ScaledPointToDoc(point);
}

CGSize ZorvinArea::ScaledSizeToNatural(CGSize size) const {
  return ScaledSizeToDoc(size);
}

CGPoint ZorvinArea::ViewPointToScaled(CGPoint point) const {
  return CGPointMake(point.x - fOrigin.x, point.y - fOrigin.y);
}

CGPoint ZorvinArea::ScaledPointToView(CGPoint point) const {
  return CGPointMake(point.x + fOrigin.x, point.y + fOrigin.y);
}

CGPoint ZorvinArea::ViewPointToDoc(CGPoint point) const {
  return ScaledPointToDoc(ViewPointToScaled(point));
}

CGPoint ZorvinArea::DocPointToView(CGPoint point) const {
  return ScaledPointToView(DocPointToScaled(point));
}

CGPoint ZorvinArea::ViewPointToNatural(CGPoint point) const {
  return ScaledPointToNatural(ViewPointToScaled(point));
}

CGPoint ZorvinArea::NaturalPointToView(CGPoint point) const {
  return ScaledPointToView(NaturalPointToScaled(point));
}

CGRect ZorvinArea::ViewRectToDoc(CGRect rect) const {
  return SpanOf(ViewPointToDoc(rect.origin), ViewPointToDoc(FarCorner(rect)));
}

CGRect ZorvinArea::DocRectToView(CGRect rect) const {
  return SpanOf(DocPointToView(rect.origin), DocPointToView(FarCorner(rect)));
}

CGPoint ZorvinArea::ViewPointToPort(CGPoint point) const {
  return CGPointMake(point.x + fContentViewFrame.origin.x + fAreaViewFrame.origin.x,
                     point.y + fContentViewFrame.origin.y + fAreaViewFrame.origin.y);
}

CGPoint ZorvinArea::PortPointToView(CGPoint point) const {
  return CGPointMake(point.x - (fContentViewFrame.origin.x + fAreaViewFrame.origin.x),
                     point.y - (fContentViewFrame.origin.y + fAreaViewFrame.origin.y));
}

CGRect ZorvinArea::ViewRectToPort(CGRect rect) const {
  return SpanOf(ViewPointToPort(rect.origin), ViewPointToPort(FarCorner(rect)));
}

CGRect ZorvinArea::PortRectToView(CGRect rect) const {
  return SpanOf(PortPointToView(rect.origin), PortPointToView(FarCorner(rect)));
}

CGPoint ZorvinArea::PortPointToGlobal(CGPoint point) const {
  return PlatformLocalToGlobal(point);
}

CGPoint ZorvinArea::GlobalPointToPort(CGPoint point) const {
  return PlatformGlobalToLocal(point);
}

CGPoint ZorvinArea::DocPointToGlobal(CGPoint point) const {
  return PortPointToGlobal(ViewPointToPort(DocPointToView(point)));
}

namespace {

// One axis of the hit test: the 1-based index along it, or 0 in a gap or outside.
uint32_t LocateOnAxis(CGFloat p, CGFloat docExtent, CGFloat cell, CGFloat gap, int32_t count,
                      bool nearest) {
  const int64_t pi = CGFloatToInt64(p);
  const int64_t gi = CGFloatToInt64(gap);
  const int64_t end = CGFloatToInt64(docExtent) - gi;
  const CGFloat pitch = cell + gap;
  if (nearest) {
    if (pi <= gi) {
      return 1;
    }
    if (pi >= end) {
      return count > 0 ? static_cast<uint32_t>(count) : 0;
    }
    if (!(pitch > 0)) {
      return 0;
    }
    return static_cast<uint32_t>(CGFloatToInt64((p - gap / 2) / pitch)) + 1;
  }
  if (pi < gi || pi > end || !(pitch > 0)) {
    return 0;
  }
  const int64_t c = CGFloatToInt64((p - gap) / pitch + 1);
  // A cell's left edge belongs to it, its right edge to the gap.
  if (static_cast<CGFloat>(c - 1) * pitch + cell > p - gap) {
    return static_cast<uint32_t>(c);
  }
  return 0;
}

} // namespace

CellLocation ZorvinArea::DocPointToSquaredCellLocation(CGPoint point, bool nearest) const {
  if (!(point.x >= 0) || !(point.y >= 0) || point.x > fDocSize.width || point.y > fDocSize.height) {
    return CellLocation();
  }
  const uint32_t column = LocateOnAxis(point.x, fDocSize.width, fCellSize.width, fCellSpacing.width,
                                       fColumnCount, nearest);
  const uint32_t row = LocateOnAxis(point.y, fDocSize.height, fCellSize.height, fCellSpacing.height,
                                    fRowCount, nearest);
  return CellLocation(row, column);
}

namespace {

uint32_t BoundBlockEnd(uint32_t first, uint32_t last, double view, double pitch) {
  if (first == 0 || last < first || !(pitch >= 1) || !(view >= 0)) {
    return last;
  }
  const uint64_t fit = static_cast<uint64_t>(std::min(view / pitch, 4.0e9)) + 2;
  return static_cast<uint32_t>(std::min<uint64_t>(last, uint64_t{first} + fit));
}

bool IsPastLastCell(CellLocation location, int32_t columns, int32_t count) {
  if (location.fRow == 0 || location.fColumn == 0) {
    return false;
  }
  const uint64_t index =
      (uint64_t{location.fRow} - 1) * static_cast<uint64_t>(columns > 0 ? columns : 0) +
      location.fColumn;
  return index > static_cast<uint64_t>(count > 0 ? count : 0);
}

} // namespace

CellLocation ZorvinArea::DocPointToRangeCheckedCellLocation(CGPoint point, bool nearest) const {
  const CellLocation location = DocPointToSquaredCellLocation(point, nearest);
  return IsPastLastCell(location, fColumnCount, fCellCount) ? CellLocation() : location;
}

CellLocation ZorvinArea::DocPointToClosestSquaredCellLocation(CGPoint point, bool nearest) const {
  point.x = std::clamp(point.x, CGFloat{0}, std::max(fDocSize.width, CGFloat{0}));
  point.y = std::clamp(point.y, CGFloat{0}, std::max(fDocSize.height, CGFloat{0}));
  return DocPointToSquaredCellLocation(point, nearest);
}

CellLocation ZorvinArea::DocPointToClosestRangeCheckedCellLocation(CGPoint point,
                                                                   bool nearest) const {
  const CellLocation location = DocPointToClosestSquaredCellLocation(point, nearest);
  if (IsPastLastCell(location, fColumnCount, fCellCount)) {
    return CellIndexToLocation(static_cast<uint32_t>(fCellCount));
  }
  return location;
}

void ZorvinArea::GetVisibleCellsBlock(CellLocation* first, CellLocation* last) const {
  *first = CellLocation();
  *last = CellLocation();
  // An empty layout (cells smaller than a pixel) shows nothing, whatever the count.
  if (fCellCount <= 0 || fRowCount <= 0 || fColumnCount <= 0) {
    return;
  }
  // Only what the window can show: a huge area in a small window loads and draws a window's worth.
  const CGRect bounds = ContentView::GetShownBounds(this);
  if (CGRectIsEmpty(bounds)) {
    return;
  }
  const CGRect doc = ViewRectToDoc(bounds);
  *first = DocPointToClosestSquaredCellLocation(doc.origin, true);
  *last = DocPointToClosestSquaredCellLocation(
      CGPointMake(doc.origin.x + doc.size.width, doc.origin.y + doc.size.height), true);
  // However the points round, the view cannot show more rows or columns than fit in it and two
  // partial ones: every load and draw walks this block.
  last->fRow = BoundBlockEnd(first->fRow, last->fRow, bounds.size.height,
                             fCellSize.height + fCellSpacing.height);
  last->fColumn = BoundBlockEnd(first->fColumn, last->fColumn, bounds.size.width,
                                fCellSize.width + fCellSpacing.width);
}

CellBlockIterator ZorvinArea::GetVisibleCellsBlockIterator() const {
  CellLocation first;
  CellLocation last;
  GetVisibleCellsBlock(&first, &last);
  return CellBlockIterator(first, last);
}
