// The host's own drag and drop: the area object as the dragged thing, and the area as a target
// that shows the drop caret, scrolls at its edges and keeps the place for the database.
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "platform/win/ContentView.h"
#include "platform/win/WinPoints.h"
#include "sdk/HostWindows.h"

namespace {

constexpr int32_t kHostDragOptions = 1024;
constexpr CGFloat kEdgeDepth = 16;
constexpr uint32_t kAutoScrollDelay = 40; // ticks in a zone before the first step

enum : int32_t {
  kNoEdge = 0,
  kLeftEdge = 1,
  kTopEdge = 2,
  kRightEdge = 3,
  kBottomEdge = 4,
};

enum : int32_t {
  kFormEventDrop = 16,
  kFormEventDragOver = 21,
  kFormEventBeginDragOver = 46,
};

CGRect EdgeZone(CGRect f, int32_t edge) {
  switch (edge) {
  case kLeftEdge:
    return CGRectMake(f.origin.x, f.origin.y, kEdgeDepth, f.size.height);
  case kTopEdge:
    return CGRectMake(f.origin.x, f.origin.y, f.size.width, kEdgeDepth);
  case kRightEdge:
    return CGRectMake(f.origin.x + f.size.width - kEdgeDepth, f.origin.y, kEdgeDepth,
                      f.size.height);
  case kBottomEdge:
    return CGRectMake(f.origin.x, f.origin.y + f.size.height - kEdgeDepth, f.size.width,
                      kEdgeDepth);
  default:
    return CGRectNull;
  }
}

} // namespace

bool ZorvinArea::Handle4DDrag(CGPoint docPoint) {
  if (IsDraggable()) {
    BeginDrag(ViewPointToPort(DocPointToView(docPoint)));
  }
  return false;
}

void ZorvinArea::BeginDrag(CGPoint portPoint) {
  if (IsDraggable()) {
    FourD::StartHostDrag(CGFloatToInt32(portPoint.x), CGFloatToInt32(portPoint.y),
                         kHostDragOptions);
  }
}

bool ZorvinArea::CanAcceptDrag(FDDragAndDropInfo* /*info*/) {
  CaretTimerTask();
  return IsDroppable();
}

CGPoint ZorvinArea::GlobalMouseToView() const {
  return PortPointToView(
      WinPoints::GlobalToLocalPoint(GetMacWindow(), WinPoints::GetGlobalMouse()));
}

// The place under a document point: 1 to count, -1 after the last cell or in an empty grid, 0
// for none; `cell` and `part` as the drop position gives them.
int32_t ZorvinArea::HostDropCellAt(CGPoint docPoint, uint32_t* cell, DropCellPart* part) const {
  *cell = 0;
  *part = kDropBefore;
  if (fCellCount < 1) {
    return -1;
  }
  *part = GetDropCellAtDocPoint(0, docPoint, cell);
  if (*cell == 0) {
    return 0;
  }
  const uint32_t position = *cell + static_cast<uint32_t>(*part);
  return position > static_cast<uint32_t>(fCellCount) ? -1 : static_cast<int32_t>(position);
}

// The point and rectangle the host passes are not used: the pointer is read afresh.
void ZorvinArea::DoDragOver(FDDragAndDropInfo* /*info*/, CGPoint /*where*/, CGRect /*rect*/,
                            int32_t* result) {
  if (result != nullptr) {
    *result = 0;
  }
  fHostDragActive = true;
  const CGPoint view = GlobalMouseToView();
  TrackDragAutoScrollAtEdge(view);
  // Evaluating cells may run database code that closes the window.
  if (!IsLive()) {
    return;
  }
  uint32_t cell = 0;
  DropCellPart part = kDropBefore;
  fHostDropCell = HostDropCellAt(ViewPointToDoc(view), &cell, &part);
  if (fCellCount < 1) {
    EnableDragCaret(1, kDropBefore);
  } else if (cell != 0) {
    EnableDragCaret(cell, part);
  } else {
    DisableDragCaret();
  }
  CaretTimerTask();
}

void ZorvinArea::TrackDragAutoScrollAtEdge(CGPoint viewPoint) {
  const uint32_t now = TickCount();
  if (fAutoScrollEdge == kNoEdge) {
    for (int32_t edge = kLeftEdge; edge <= kBottomEdge; ++edge) {
      if (CGRectContainsPoint(EdgeZone(fContentViewFrame, edge), viewPoint)) {
        fAutoScrollEdge = edge;
        fAutoScrollEnterTick = now;
        fAutoScrollLastTick = 0;
        return;
      }
    }
    return;
  }
  if (!CGRectContainsPoint(EdgeZone(fContentViewFrame, fAutoScrollEdge), viewPoint)) {
    // Another zone is only taken at the next call.
    fAutoScrollEdge = kNoEdge;
    fAutoScrollEnterTick = 0;
    return;
  }
  if (now - fAutoScrollEnterTick > kAutoScrollDelay) {
    AutoScrollStep(fAutoScrollEdge);
    fAutoScrollLastTick = now;
  }
}

void ZorvinArea::AutoScrollStep(int32_t edge) {
  const bool horizontal = edge == kLeftEdge || edge == kRightEdge;
  ControlHandle bar = horizontal ? fHorzScrollBar : fVertScrollBar;
  if (bar == nullptr || !(horizontal ? IsHorzScrollVisible() : IsVertScrollVisible())) {
    return;
  }
  const CGPoint previousOrigin = fOrigin;
  const int64_t value = BarPosition(bar);
  if (GetScrollsByCell()) {
    AlignScrollToCell();
  }
  const int32_t step = GetLineStep(!horizontal);
  const bool forward = edge == kRightEdge || edge == kBottomEdge;
  ScrollBarTo(bar, value + (forward ? step : -step));
  LoadVisibleCellData();
  if (IsLive()) {
    ShiftBackBuffer(previousOrigin);
  }
}

// Moves what the back buffer shows with the origin and draws only the strip it uncovered.
void ZorvinArea::ShiftBackBuffer(CGPoint previousOrigin) {
  const CGFloat dx = fOrigin.x - previousOrigin.x;
  const CGFloat dy = fOrigin.y - previousOrigin.y;
  if (dx == 0 && dy == 0) {
    return;
  }
  const CGFloat width = fContentViewFrame.size.width;
  const CGFloat height = fContentViewFrame.size.height;
  const CGFloat ax = dx < 0 ? -dx : dx;
  const CGFloat ay = dy < 0 ? -dy : dy;
  if (ax >= width || ay >= height) {
    RedrawContentViewImmediately();
    return;
  }
  const CGRect from = CGRectMake(dx < 0 ? ax : 0, dy < 0 ? ay : 0, width - ax, height - ay);
  const CGRect to = CGRectMake(dx > 0 ? ax : 0, dy > 0 ? ay : 0, width - ax, height - ay);
  ContentView::CopyBackBuffer(this, from, to);
  // Only one axis moves in a step.
  CGRect strip;
  if (dx != 0) {
    strip = CGRectMake(dx < 0 ? width - ax : 0, 0, ax, height);
  } else {
    strip = CGRectMake(0, dy < 0 ? height - ay : 0, width, ay);
  }
  RedrawContentViewRectImmediately(strip);
}

void ZorvinArea::DoDrop(FDDragAndDropInfo* /*info*/) {
  uint32_t cell = 0;
  DropCellPart part = kDropBefore;
  fHostDropCell = HostDropCellAt(ViewPointToDoc(GlobalMouseToView()), &cell, &part);
  DisableDragCaret();
  fHostDragActive = false;
  fAutoScrollEdge = kNoEdge;
  fAutoScrollEnterTick = 0;
  fAutoScrollLastTick = 0;
}

void ZorvinArea::DoDragLeave() {
  fHostDragActive = false;
  fHostDropCell = 0;
  fAutoScrollEdge = kNoEdge;
  fAutoScrollEnterTick = 0;
  fAutoScrollLastTick = 0;
  DisableDragCaret();
}

int32_t ZorvinArea::Get4DDropCell() {
  int32_t event = 0;
  if (FourD::CurrentFormEvent(&event) != kFDErrNone) {
    return 0;
  }
  if (event == kFormEventDrop) {
    return fHostDropCell;
  }
  if (event != kFormEventDragOver && event != kFormEventBeginDragOver) {
    return 0;
  }
  uint32_t cell = 0;
  DropCellPart part = kDropBefore;
  return HostDropCellAt(ViewPointToDoc(GlobalMouseToView()), &cell, &part);
}
