// The drag of a cell between grid areas: a loop inside the source's mouse-down that follows the

#include <iterator>
// pointer over any area of any window until the button is released or the cancel key is typed.
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "host/HostText.h"
#include "platform/win/WinImages.h"
#include "platform/win/WinPoints.h"
#include "sdk/HostWindows.h"

namespace {

constexpr int32_t kKeyEventsMask = 56; // key down, key up, auto key
constexpr uint16_t kKeyDown = 3;
constexpr uint16_t kAutoKey = 5;
constexpr int32_t kCancelCharacter = 27;

// Made once per library load; a cursor that cannot be made stays clear.
struct DragCursors {
  DragCursor fSingle;
  DragCursor fMulti;
};

const DragCursors& GetDragCursors() {
  static const DragCursors cursors = [] {
    static const PA_Unichar kSingle[] = {'C', 'e', 'l', 'l', '-', 's', 'i', 'n',
                                         'g', 'l', 'e', '.', 'p', 'n', 'g', 0};
    static const PA_Unichar kMulti[] = {'C', 'e', 'l', 'l', '-', 'm', 'u', 'l',
                                        't', 'i', '.', 'p', 'n', 'g', 0};
    DragCursors made{};
    CreateDragCursorFromPNGResourceFile(kSingle, &made.fSingle);
    CreateDragCursorFromPNGResourceFile(kMulti, &made.fMulti);
    return made;
  }();
  return cursors;
}

bool IsCancelKey(const EventRecord& event) {
  return event.what >= kKeyDown && event.what <= kAutoKey &&
         (event.message & 0xFF) == kCancelCharacter;
}

CGPoint GlobalPointToDoc(const ZorvinArea* area, CGPoint global) {
  const CGPoint port = WinPoints::GlobalToLocalPoint(area->GetMacWindow(), global);
  return area->ViewPointToDoc(area->PortPointToView(port));
}

} // namespace

bool ZorvinArea::HandleDrag(CGPoint /*docPoint*/, uint32_t /*modifiers*/, uint32_t cell) {
  const DragCursors& cursors = GetDragCursors();
  ZVCursor* previousCursor =
      SetCursor(DragCursorOrSizeAll(fSelectedCount == 1 ? cursors.fSingle : cursors.fMulti));
  const DragItemData item{GetAreaRef(), cell};
  // No database code runs inside the loop, so the areas it meets stay alive while it lasts.
  ZorvinArea* current = nullptr;
  bool cancelled = false;
  while (!cancelled && StillDown()) {
    EventRecord event{};
    if (FourD::GetNextEvent(kKeyEventsMask, &event) && IsCancelKey(event)) {
      cancelled = true;
    }
    ZorvinArea* previous = current;
    const CGPoint global = WinPoints::GetGlobalMouse();
    current = cancelled ? nullptr : WinPoints::FindAreaAtGlobalPoint(global);
    if (previous != nullptr && previous != current) {
      previous->HandleDragLeave(item);
    }
    if (current != nullptr && current->OnCurrentPage() &&
        current->CanAcceptDropFrom(item.fSourceArea, nullptr)) {
      current->HandleDragOver(item, GlobalPointToDoc(current, global));
    }
    CaretTimerTask();
  }
  SetCursor(previousCursor);
  PA_Unichar signature[256];
  if (current != nullptr && current->OnCurrentPage() &&
      current->CanAcceptDropFrom(item.fSourceArea, signature)) {
    current->HandleDrop(item, GlobalPointToDoc(current, WinPoints::GetGlobalMouse()), signature);
  }
  return false;
}

void ZorvinArea::HandleDragOver(const DragItemData& item, CGPoint docPoint) {
  if (fCellCount < 1) {
    EnableDragCaret(1, kDropBefore);
    return;
  }
  const uint32_t excluded = item.fSourceArea == GetAreaRef() ? item.fCell : 0;
  uint32_t cell = 0;
  const DropCellPart part = GetDropCellAtDocPoint(excluded, docPoint, &cell);
  if (cell != 0) {
    EnableDragCaret(cell, part);
  } else {
    DisableDragCaret();
  }
}

void ZorvinArea::HandleDragLeave(const DragItemData& /*item*/) {
  DisableDragCaret();
}

void ZorvinArea::HandleDrop(const DragItemData& item, CGPoint docPoint,
                            const PA_Unichar* signature) {
  if (fCellCount < 1) {
    SetPendingDropEvent(item.fSourceArea, 1, signature);
  } else {
    const uint32_t excluded = item.fSourceArea == GetAreaRef() ? item.fCell : 0;
    uint32_t cell = 0;
    const DropCellPart part = GetDropCellAtDocPoint(excluded, docPoint, &cell);
    // A void place posts nothing.
    if (cell != 0) {
      SetPendingDropEvent(item.fSourceArea, static_cast<int32_t>(cell) + part, signature);
    }
  }
  DisableDragCaret();
}

void ZorvinArea::SetPendingDropEvent(int32_t sourceArea, int32_t position,
                                     const PA_Unichar* signature) {
  fDragSourceArea = sourceArea;
  FourD::UniCopy(signature, fDropSignature, std::size(fDropSignature));
  PostCellEvent(16, position);
}
