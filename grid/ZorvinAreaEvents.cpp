// Events: the database's event handler and posted cell events, keys, the cursor and the edit
// menu.
#include "grid/ZorvinArea.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "host/FourD.h"
#include "host/ValueBlock.h"

// The database's event handler: set, called with a parameter handle of four value blocks, and
// fed from posted events one per idle.
namespace {

constexpr uint32_t kDeliverableEvents = 0x12010; // codes 4, 13 and 16
constexpr int32_t kEventParamsSize = 4 * kValueBlockSize;
constexpr size_t kMethodNameUnits = 64;

} // namespace

bool ZorvinArea::IsLive() const {
  return !fClosed && gZorvinAreaManager != nullptr &&
         gZorvinAreaManager->IsAnArea(GetAreaRef()) == this;
}

void ZorvinArea::ReleaseEventParams() {
  if (fEventParams == nullptr) {
    return;
  }
  FDHandle params = fEventParams;
  fEventParams = nullptr;
  if (fEventCallDepth == 0) {
    FourD::DisposeHandle(params);
    return;
  }
  // A running call still hands these blocks to the host, which writes the result into them.
  try {
    fRetiredEventParams.push_back(params);
  } catch (...) {
    // Rather leaked than freed under the host.
  }
}

int32_t ZorvinArea::SetEventHandler(const PA_Unichar* name, uint32_t mask) {
  if (name == nullptr || name[0] == 0) {
    fEventMethodName[0] = 0;
    fEventMethodID = 0;
    fEventMask = 0;
    ReleaseEventParams();
    return 0;
  }
  const int32_t method = FourD::GetMethodID(name);
  if ((mask & kDeliverableEvents) == 0 || method == 0) {
    return -50;
  }
  size_t length = 0;
  while (length < kMethodNameUnits - 1 && name[length] != 0) {
    fEventMethodName[length] = name[length];
    ++length;
  }
  fEventMethodName[length] = 0;
  fEventMethodID = method;
  fEventMask = mask;
  ReleaseEventParams();
  fEventParams = FourD::NewHandle(kEventParamsSize);
  if (fEventParams == nullptr) {
    return -108;
  }
  memset(*fEventParams, 0, kEventParamsSize);
  return 0;
}

const PA_Unichar* ZorvinArea::GetEventHandler(uint32_t* mask) const {
  if (mask != nullptr) {
    *mask = fEventMask;
  }
  return fEventMethodName;
}

int32_t ZorvinArea::CallEventHandler(int32_t code, int32_t cell) {
  if (fEventMethodID <= 0 || fEventParams == nullptr) {
    return -50;
  }
  if ((fEventMask & (1u << (static_cast<uint32_t>(code) % 32))) == 0) {
    return 0;
  }
  FDHandle params = fEventParams;
  FourD::HLock(params);
  auto* blocks = reinterpret_cast<ValueBlock*>(*params);
  ClearValueBlock(&blocks[0], kFDUndefined);
  SetValueLong(&blocks[1], GetAreaRef());
  SetValueLong(&blocks[2], code);
  SetValueLong(&blocks[3], cell);
  // The method may replace the handler (its handle then waits for this call to end) or close
  // the window (the manager keeps this object until the area's own event returns).
  ++fEventCallDepth;
  int32_t error = FourD::CallMethodID(fEventMethodID, 3, blocks);
  --fEventCallDepth;
  if (error == 0) {
    int32_t ignored = 0;
    error = Value2Long(&blocks[0], &ignored);
  }
  FreeValueBlock(&blocks[0]);
  FourD::HUnlock(params);
  if (fEventCallDepth == 0) {
    for (FDHandle retired : fRetiredEventParams) {
      FourD::DisposeHandle(retired);
    }
    fRetiredEventParams.clear();
  }
  return error;
}

void ZorvinArea::PostCellEvent(int32_t code, int32_t cell) {
  if (fPendingEvents == nullptr) {
    return;
  }
  auto* event = static_cast<ZorvinCellEvent*>(malloc(sizeof(ZorvinCellEvent)));
  if (event == nullptr) {
    return;
  }
  event->fCode = code;
  event->fCell = cell;
  if (add_to_end(fPendingEvents, event) != 0) {
    free(event);
  }
}

bool ZorvinArea::DeliverPostedEvent() {
  // An area that is closed hears nothing more; its events go with it.
  if (fPendingEvents == nullptr || !IsLive()) {
    return false;
  }
  auto* event = static_cast<ZorvinCellEvent*>(remove_from_beginning(fPendingEvents));
  if (event == nullptr) {
    return false;
  }
  const ZorvinCellEvent posted = *event;
  free(event);
  CallEventHandler(posted.fCode, posted.fCell);
  return true;
}

// Keys that scroll, the caption tip under the cursor, and the edit menu's Select All.

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
  if (GetScrollsByCell()) {
    AlignScrollToCell();
  }
  LoadVisibleCellData();
  RedrawContentViewImmediately();
}

bool ZorvinArea::DoKey(uint16_t /*charCode*/, int32_t keyCode, uint32_t modifiers) {
  if (keyCode == 0) {
    return false;
  }
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
    if (keyCode == kKeyPageUp) {
      delta = -delta;
    }
    break;
  case kKeyLeft:
  case kKeyRight:
    horizontal = true;
    delta = shift ? lx : sx;
    if (keyCode == kKeyLeft) {
      delta = -delta;
    }
    break;
  case kKeyUp:
  case kKeyDown:
    delta = shift ? ly : sy;
    if (keyCode == kKeyUp) {
      delta = -delta;
    }
    break;
  default:
    return false;
  }
  const BarState& bar = horizontal ? horz : vert;
  const int64_t value = std::clamp<int64_t>(bar.fValue + delta, bar.fMinimum, bar.fMaximum);
  if (value == bar.fValue) {
    return false;
  }
  CGPoint origin = fOrigin;
  if (horizontal) {
    origin.x = static_cast<CGFloat>(-value);
  } else {
    origin.y = static_cast<CGFloat>(-value);
  }
  ScrollToOrigin(origin);
  return true;
}

void ZorvinArea::DoCursor(Point* where) {
  CXArea::DoCursor(where);
  if (where == nullptr || !GetTipsEnabled()) {
    return;
  }
  const CGPoint view = PortPointToView(CGPointMake(where->h, where->v));
  const CGRect bounds =
      CGRectMake(0, 0, fContentViewFrame.size.width, fContentViewFrame.size.height);
  // Over a scroll bar the cells beneath it are hidden: no tip for them.
  if (!CGRectContainsPoint(bounds, view)) {
    return;
  }
  const uint32_t cell =
      CellLocationToIndex(DocPointToRangeCheckedCellLocation(ViewPointToDoc(view), false));
  if (cell == 0 || cell > static_cast<uint32_t>(fCellCount)) {
    return;
  }
  const CellData data = fCache.GetCellData(cell);
  if (data.fCaption == nullptr || data.fCaption[0] == 0) {
    return;
  }
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
  if (other != nullptr) {
    *other = (fSelectionKind == kSelectionMultiple && fCellCount > 0) ||
             (fSelectionKind == kSelectionSingle && fCellCount == 1);
  }
}

void ZorvinArea::DoSelectAll() {
  if (fSelectionKind == kSelectionMultiple && fCellCount > 0) {
    SelectAllCells();
  } else if (fSelectionKind == kSelectionSingle && fCellCount == 1) {
    SetSelectionToCell(1);
  } else {
    return;
  }
  fNeedsRedraw = true;
}
