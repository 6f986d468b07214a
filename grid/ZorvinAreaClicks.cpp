// Mouse-downs in the cells: selection by kind and modifier keys, double clicks, the start of a
// drag, and the click events to the database. Every handler call may close the area or recount
// its cells, so nothing after one trusts what was true before it.
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "grid/ZorvinArea.h"
#include "platform/win/ZorvinAreaControlsWin.h"
#include "util/ZVBits.h"

namespace {

constexpr int32_t kCellEventClicked = 4;
constexpr int32_t kCellEventDoubleClicked = 13;
constexpr CGFloat kDoubleClickSlop = 4.0;
constexpr int16_t kDragSlop = 5;
constexpr uint32_t kDragDecisionTicks = 19;

} // namespace

const ZorvinArea* ZorvinArea::sLastClickedArea = nullptr;
CGPoint ZorvinArea::sLastClickedPoint = {0, 0};
uint32_t ZorvinArea::sLastClickedCell = 0;
uint32_t ZorvinArea::sLastClickTicks = 0;

void ZorvinArea::ForgetClicksOn(const ZorvinArea* area) {
  // A later area may be allocated where this one was and must not inherit its click.
  if (sLastClickedArea == area) {
    sLastClickedArea = nullptr;
  }
}

bool ZorvinArea::DoMouseDown(EventRecord* event) {
  const CGPoint p = CGPointMake(event->where.h - fAreaViewFrame.origin.x,
                                event->where.v - fAreaViewFrame.origin.y);
  // Half-open: the column where the vertical bar begins belongs to the bar.
  const CGRect c = fContentViewFrame;
  if (p.x >= c.origin.x && p.x < c.origin.x + c.size.width && p.y >= c.origin.y &&
      p.y < c.origin.y + c.size.height) {
    const CGPoint port = CGPointMake(event->where.h, event->where.v);
    return HandleClick(ViewPointToDoc(PortPointToView(port)), event->modifiers);
  }
  ControlHandle control = nullptr;
  const int16_t part = FindControl(event->where, GetMacWindow(), &control);
  if (control == nullptr || (control != fHorzScrollBar && control != fVertScrollBar)) {
    return false;
  }
  ZorvinAreaControlsWin::HandleControlClick(this, control, part, event->where);
  LoadVisibleCellData();
  RedrawContentViewImmediately();
  return true;
}

bool ZorvinArea::HandleClick(CGPoint docPoint, uint32_t modifiers) {
  if (docPoint.x < 0 || docPoint.y < 0 || docPoint.x >= fDocSize.width ||
      docPoint.y >= fDocSize.height) {
    ClearSelectionByClick();
    return true;
  }
  const uint32_t cell = CellLocationToIndex(DocPointToRangeCheckedCellLocation(docPoint, false));
  if (cell == 0) {
    IsDoubleClickOnCell(docPoint, 0); // only remembered: a click on no cell is never double
    ClearSelectionByClick();
    return true;
  }
  if (IsDoubleClickOnCell(docPoint, cell)) {
    CallEventHandler(kCellEventDoubleClicked, static_cast<int32_t>(cell));
    return true;
  }
  switch (fSelectionKind) {
  case kSelectionNone:
    CallEventHandler(kCellEventClicked, static_cast<int32_t>(cell));
    return false;
  case kSelectionSingle:
  case kSelectionMultiple:
    if (IsDragClick(docPoint)) {
      return HandleSelectionDrag(docPoint, cell, modifiers);
    }
    return fSelectionKind == kSelectionSingle ? HandleSingleSelectionClick(cell, modifiers)
                                              : HandleMultiSelectionClick(cell, modifiers);
  }
  return false;
}

bool ZorvinArea::IsDoubleClickOnCell(CGPoint docPoint, uint32_t cell) {
  const uint32_t now = TickCount();
  const bool isDouble = cell != 0 && sLastClickedArea == this &&
                        fabsf(docPoint.x - sLastClickedPoint.x) <= kDoubleClickSlop &&
                        fabsf(docPoint.y - sLastClickedPoint.y) <= kDoubleClickSlop &&
                        now - sLastClickTicks <= GetDblTime() && cell == sLastClickedCell;
  sLastClickedArea = this;
  sLastClickedPoint = docPoint;
  sLastClickedCell = cell;
  sLastClickTicks = now;
  return isDouble;
}

bool ZorvinArea::IsDragClick(CGPoint /*docPoint*/) {
  const uint32_t start = TickCount();
  Point first;
  GetMouse(&first);
  for (;;) {
    Point now;
    GetMouse(&now);
    if (abs(first.h - now.h) > kDragSlop || abs(first.v - now.v) > kDragSlop) {
      return true;
    }
    if (!StillDown() || TickCount() - start > kDragDecisionTicks) {
      return false;
    }
  }
}

void ZorvinArea::ClearSelectionByClick() {
  ZeroSelectionAndRedraw();
  CallEventHandler(kCellEventClicked, 0);
}

// Empties the selection and redraws, in one pass, the visible cells that were selected.
void ZorvinArea::ZeroSelectionAndRedraw() {
  if (fSelectedCount == 0) {
    ZeroSelection();
    return;
  }
  uint32_t* before = static_cast<uint32_t*>(malloc(static_cast<size_t>(fSelectionBitsSize)));
  if (before != nullptr) {
    memcpy(before, fSelectionBits, static_cast<size_t>(fSelectionBitsSize));
  }
  ZeroSelection();
  if (before == nullptr) {
    RedrawContentViewImmediately();
    return;
  }
  CGRect dirty = CGRectNull;
  CellBlockIterator cells = GetVisibleCellsBlockIterator();
  while (cells.HasMoreCells()) {
    const CellLocation location = cells.NextCell();
    const uint32_t cell = CellLocationToIndex(location);
    if (cell >= 1 && cell <= static_cast<uint32_t>(fCellCount) &&
        LongBitTst(before, static_cast<int32_t>(cell - 1))) {
      dirty = CGRectUnion(dirty, GetCellRect(location, false));
    }
  }
  free(before);
  if (!CGRectIsNull(dirty)) {
    RedrawDocRectImmediately(dirty);
  }
}

bool ZorvinArea::HandleSingleSelectionClick(uint32_t cell, uint32_t modifiers) {
  if ((modifiers & kFDCommandKeyMask) != 0 && IsCellSelected(cell)) {
    ZeroSelection();
    RedrawCellImmediately(cell);
    CallEventHandler(kCellEventClicked, static_cast<int32_t>(cell));
    return true;
  }
  const bool result = HandleSingleSelectionCellClick(cell);
  CallEventHandler(kCellEventClicked, static_cast<int32_t>(cell));
  return result;
}

bool ZorvinArea::HandleSingleSelectionCellClick(uint32_t cell) {
  if (!HasSelectionBitFor(cell)) {
    return false;
  }
  SelectOnlyCellByClick(cell);
  RedrawCellImmediately(cell);
  return true;
}

// The clicked cell becomes the whole selection; the cells that lose their frame are redrawn.
void ZorvinArea::SelectOnlyCellByClick(uint32_t cell) {
  ZeroSelectionAndRedraw();
  SelectCell(cell);
  fAnchorCell = 0;
  fClickedCell = cell;
  fLastSelectedCell = cell;
}

bool ZorvinArea::HandleMultiSelectionClick(uint32_t cell, uint32_t modifiers) {
  bool result;
  if ((modifiers & kFDCommandKeyMask) != 0) {
    result = HandleMultiSelectionCellCommandClick(cell);
  } else if ((modifiers & kFDShiftKeyMask) != 0) {
    result = HandleMultiSelectionCellShiftClick(cell);
  } else {
    result = HandleMultiSelectionCellClick(cell);
  }
  CallEventHandler(kCellEventClicked, static_cast<int32_t>(cell));
  return result;
}

bool ZorvinArea::HandleMultiSelectionCellClick(uint32_t cell) {
  // A selected cell keeps the whole selection, so that the selection can be dragged.
  if (!IsCellSelected(cell)) {
    SelectOnlyCellByClick(cell);
  }
  RedrawCellImmediately(cell);
  return true;
}

bool ZorvinArea::HandleMultiSelectionCellShiftClick(uint32_t cell) {
  if (fAnchorCell != 0) {
    if (fSelectedCount > 0) {
      RangeSelect(false);
    }
    fClickedCell = cell;
    RangeSelect(true);
  } else if (fClickedCell != 0) {
    fAnchorCell = fClickedCell;
    fClickedCell = cell;
    RangeSelect(true);
  } else {
    SelectCell(cell);
    fClickedCell = cell;
    RedrawCellImmediately(cell);
  }
  if (cell > fLastSelectedCell) {
    fLastSelectedCell = cell;
  }
  return true;
}

bool ZorvinArea::HandleMultiSelectionCellCommandClick(uint32_t cell) {
  ToggleCellSelection(cell);
  fAnchorCell = 0;
  fClickedCell = cell;
  if (IsCellSelected(cell)) {
    if (cell > fLastSelectedCell) {
      fLastSelectedCell = cell;
    }
  } else if (cell == fLastSelectedCell) {
    fLastSelectedCell = FindLastSelectedCell(cell);
  }
  RedrawCellImmediately(cell);
  return true;
}

bool ZorvinArea::HandleSelectionDrag(CGPoint docPoint, uint32_t cell, uint32_t modifiers) {
  bool result = false;
  if ((modifiers & (kFDCommandKeyMask | kFDShiftKeyMask)) != 0 || !IsCellSelected(cell)) {
    result = fSelectionKind == kSelectionSingle ? HandleSingleSelectionClick(cell, modifiers)
                                                : HandleMultiSelectionClick(cell, modifiers);
    // The handler may have closed the area, or recounted so that the cell is gone.
    if (!IsLive() || !IsCellSelected(cell)) {
      return result;
    }
  }
  if (IsDraggable()) {
    Handle4DDrag(docPoint);
    return false;
  }
  if (SupportsDragEvents()) {
    return HandleDrag(docPoint, modifiers, cell);
  }
  return result;
}
