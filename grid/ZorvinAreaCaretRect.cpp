#include "grid/ZorvinArea.h"

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
  const int32_t width = fCaretWidth;
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
