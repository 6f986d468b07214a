// Keys that scroll, the caption tip under the cursor, and the edit menu's Select All.
#include <algorithm>

#include "grid/ZorvinArea.h"
#include "host/FourD.h"

namespace {

enum : int32_t {
  kKeyHome = 138,
  kKeyEnd = 139,
  kKeyPageUp = 140,
  kKeyPageDown = 141,
  kKeyLeft = 142,
  kKeyRight = 143,
  kKeyUp = 144,
  kKeyDown = 145,
};

// In the document's pixels.
struct BarState {
  int64_t fMinimum = 0;
  int64_t fMaximum = 0;
  int64_t fValue = 0;
};

BarState ReadBar(ControlHandle bar, int64_t value, int64_t maximum) {
  BarState state;
  if (bar != nullptr) {
    state.fMinimum = GetControl32BitMinimum(bar);
    state.fMaximum = maximum;
    state.fValue = value;
  }
  return state;
}

// The keys' small and large steps along one axis of `view` pixels when scrolling by cells of
// `cell` pixels: a cell, and a third of the cells in view.
void CellStepsFor(CGFloat view, CGFloat cell, int32_t* small, int32_t* large) {
  *small = std::max(CGFloatToInt32(cell), 1);
  *large =
      CGFloatToInt32(static_cast<CGFloat>(std::max(1, (CGFloatToInt32(view) / *small) / 3)) * cell);
}

} // namespace

void ZorvinArea::ScrollToOrigin(CGPoint origin) {
  fOrigin = origin;
  AdjustOrigin();
  AdjustScrollbars();
  if (GetScrollsByCell())
    AlignScrollToCell();
  LoadVisibleCellData();
  RedrawContentViewImmediately();
}

bool ZorvinArea::DoKey(uint16_t /*charCode*/, int32_t keyCode, uint32_t modifiers) {
  if (keyCode == 0)
    return false;
  const auto read = [this](ControlHandle bar) {
    return bar == nullptr ? BarState{} : ReadBar(bar, BarPosition(bar), BarMaximum(bar));
  };
  const BarState horz = read(fHorzScrollBar);
  const BarState vert = read(fVertScrollBar);
  const CGFloat width = fContentViewFrame.size.width;
  const CGFloat height = fContentViewFrame.size.height;
  const bool shift = (modifiers & kFDShiftKeyMask) != 0;
  int32_t sx = GetPixelLineStep(false);
  int32_t sy = GetPixelLineStep(true);
  int32_t lx = 10 * sx;
  int32_t ly = 10 * sy;
  if (GetScrollsByCell()) {
    CellStepsFor(width, fCellSize.width, &sx, &lx);
    CellStepsFor(height, fCellSize.height, &sy, &ly);
  }
  const int32_t pageX = CGFloatToInt32(width * 3 / 4);
  const int32_t pageY = CGFloatToInt32(height * 3 / 4);

  bool horizontal = false;
  int64_t delta = 0;
  switch (keyCode) {
  case kKeyHome:
    ScrollToOrigin(
        CGPointMake(static_cast<CGFloat>(-horz.fMinimum), static_cast<CGFloat>(-vert.fMinimum)));
    return true;
  case kKeyEnd:
    ScrollToOrigin(
        CGPointMake(static_cast<CGFloat>(-horz.fMaximum), static_cast<CGFloat>(-vert.fMaximum)));
    return true;
  case kKeyPageUp:
  case kKeyPageDown:
    horizontal = shift;
    delta = shift ? pageX : pageY;
    if (keyCode == kKeyPageUp)
      delta = -delta;
    break;
  case kKeyLeft:
  case kKeyRight:
    horizontal = true;
    delta = shift ? lx : sx;
    if (keyCode == kKeyLeft)
      delta = -delta;
    break;
  case kKeyUp:
  case kKeyDown:
    delta = shift ? ly : sy;
    if (keyCode == kKeyUp)
      delta = -delta;
    break;
  default:
    return false;
  }
  const BarState& bar = horizontal ? horz : vert;
  const int64_t value = std::clamp<int64_t>(bar.fValue + delta, bar.fMinimum, bar.fMaximum);
  if (value == bar.fValue)
    return false;
  CGPoint origin = fOrigin;
  if (horizontal)
    origin.x = static_cast<CGFloat>(-value);
  else
    origin.y = static_cast<CGFloat>(-value);
  ScrollToOrigin(origin);
  return true;
}

void ZorvinArea::DoCursor(Point* where) {
  CXArea::DoCursor(where);
  if (where == nullptr || !GetTipsEnabled())
    return;
  const CGPoint view = PortPointToView(CGPointMake(where->h, where->v));
  const CGRect bounds =
      CGRectMake(0, 0, fContentViewFrame.size.width, fContentViewFrame.size.height);
  // Over a scroll bar the cells beneath it are hidden: no tip for them.
  if (!CGRectContainsPoint(bounds, view))
    return;
  const uint32_t cell =
      CellLocationToIndex(DocPointToRangeCheckedCellLocation(ViewPointToDoc(view), false));
  if (cell == 0 || cell > static_cast<uint32_t>(fCellCount))
    return;
  const CellData data = fCache.GetCellData(cell);
  if (data.fCaption == nullptr || data.fCaption[0] == 0)
    return;
  const CGRect rect =
      CGRectIntersection(DocRectToView(GetCellRect(CellIndexToLocation(cell), false)), bounds);
  const Rect tip = CGRectToIntegralQDRect(ViewRectToPort(rect));
  FourD::CreateTip(GetMacWindow(), &tip, data.fCaption);
}

void ZorvinArea::GetEditMenuStatus(unsigned char* undo, unsigned char* cut, unsigned char* copy,
                                   unsigned char* paste, unsigned char* clear,
                                   unsigned char* selectAll, unsigned char* other) {
  CXArea::GetEditMenuStatus(undo, cut, copy, paste, clear, selectAll, other);
  // The host's menu has seven items and Select All is the last: the framework's seventh answer.
  if (other != nullptr)
    *other = (fSelectionKind == kSelectionMultiple && fCellCount > 0) ||
             (fSelectionKind == kSelectionSingle && fCellCount == 1);
}

void ZorvinArea::DoSelectAll() {
  if (fSelectionKind == kSelectionMultiple && fCellCount > 0)
    SelectAllCells();
  else if (fSelectionKind == kSelectionSingle && fCellCount == 1)
    SetSelectionToCell(1);
  else
    return;
  fNeedsRedraw = true;
}
