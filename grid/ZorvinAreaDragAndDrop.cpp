// Dragging cells between grid areas: the drag and drop options and signature lists, and the drag
// itself.
#include "grid/ZorvinArea.h"

#include <iterator>
#include <new>

#include "grid/DragAndDropData.h"
#include "host/CArray.h"
#include "host/FourD.h"
#include "host/HostText.h"
#include "platform/win/WinImages.h"
#include "platform/win/WinPoints.h"
#include "sdk/HostWindows.h"

namespace {

// Element `index` of a text array, cut to a signature slot.
void ReadSignature(const CArray* array, int32_t index, PA_Unichar* out) {
  FDStringBlock element{};
  array->At(index, element);
  int32_t length = element.fString != nullptr ? element.fLength : 0;
  if (length > kSignatureUnits - 1) {
    length = kSignatureUnits - 1;
  }
  for (int32_t i = 0; i < length; ++i) {
    out[i] = element.fString[i];
  }
  out[length < 0 ? 0 : length] = 0;
}

using SignatureInit = int32_t (DragAndDropData::*)(int32_t);
using SignatureSet = int32_t (DragAndDropData::*)(int32_t, const PA_Unichar*);
using SignatureGet = int32_t (DragAndDropData::*)(int32_t, PA_Unichar*) const;
using SignatureCount = int32_t (DragAndDropData::*)() const;

// The drag and the drop list are set and read the same way; these name one side.
struct SignatureSide {
  void (DragAndDropData::*fClear)();
  SignatureInit fInit;
  SignatureSet fSet;
  SignatureGet fGet;
  SignatureCount fCount;
};

constexpr SignatureSide kDragSide{&DragAndDropData::ClearDrags, &DragAndDropData::InitDrags,
                                  &DragAndDropData::SetDragSign, &DragAndDropData::GetDragSign,
                                  &DragAndDropData::GetNumDrags};
constexpr SignatureSide kDropSide{&DragAndDropData::ClearDrops, &DragAndDropData::InitDrops,
                                  &DragAndDropData::SetDropSign, &DragAndDropData::GetDropSign,
                                  &DragAndDropData::GetNumDrops};

int32_t SetSignatures(DragAndDropData** data, CArray* array, const SignatureSide& side) {
  if (array == nullptr || !array->IsArrayUnicode()) {
    return kFDErrBadParameter;
  }
  const int32_t count = array->GetArraySize();
  if (count == 0) {
    if (*data != nullptr && ((*data)->*side.fCount)() > 0) {
      ((*data)->*side.fClear)();
    }
    return 0;
  }
  if (*data == nullptr) {
    *data = new (std::nothrow) DragAndDropData();
    if (*data == nullptr) {
      return kFDErrNoMemory;
    }
  }
  if (((*data)->*side.fInit)(count) != 0) {
    return kFDErrNoMemory;
  }
  PA_Unichar signature[kSignatureUnits];
  int32_t error = 0;
  for (int32_t i = 1; i <= count && error == 0; ++i) {
    ReadSignature(array, i, signature);
    error = ((*data)->*side.fSet)(i, signature);
  }
  return error;
}

int32_t GetSignatures(const DragAndDropData* data, CArray* array, const SignatureSide& side) {
  if (array == nullptr || !array->IsArrayUnicode()) {
    return kFDErrBadParameter;
  }
  int32_t error = array->SetArraySize(0);
  if (error != 0 || data == nullptr) {
    return error;
  }
  const int32_t count = (data->*side.fCount)();
  error = array->SetArraySize(count);
  PA_Unichar signature[kSignatureUnits];
  for (int32_t i = 1; i <= count && error == 0; ++i) {
    error = (data->*side.fGet)(i, signature);
    if (error == 0) {
      error = array->AtPut(i, signature);
    }
  }
  return error;
}

} // namespace

int32_t ZorvinArea::SetDragOptions(int32_t flags, int32_t caretWidth, int32_t caretColor,
                                   int32_t blinkInterval) {
  if (caretWidth < 0 || blinkInterval < 0) {
    return kFDErrBadParameter;
  }
  fDragFlags = flags;
  fCaretWidth = caretWidth;
  if (caretColor != fCaretColor) {
    CleanupNativeCaretColor();
    fCaretColor = caretColor;
    SetupNativeCaretColor();
  }
  fCaretBlinkInterval = blinkInterval;
  return 0;
}

int32_t ZorvinArea::SetDragSignatures(CArray* signatures) {
  return SetSignatures(&fDragAndDrop, signatures, kDragSide);
}

int32_t ZorvinArea::SetDropSignatures(CArray* signatures) {
  return SetSignatures(&fDragAndDrop, signatures, kDropSide);
}

int32_t ZorvinArea::GetDragSignatures(CArray* signatures) const {
  return GetSignatures(fDragAndDrop, signatures, kDragSide);
}

int32_t ZorvinArea::GetDropSignatures(CArray* signatures) const {
  return GetSignatures(fDragAndDrop, signatures, kDropSide);
}

bool ZorvinArea::SupportsDragEvents() const {
  return fDragAndDrop != nullptr && fDragAndDrop->AcceptsDrags();
}

bool ZorvinArea::CanAcceptDropFrom(int32_t sourceArea, PA_Unichar* signature) const {
  if (signature != nullptr) {
    signature[0] = 0;
  }
  if (gZorvinAreaManager == nullptr || fDragAndDrop == nullptr) {
    return false;
  }
  // The manager makes nothing but grid areas.
  const auto* source = static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(sourceArea));
  if (source == nullptr) {
    return false;
  }
  return fDragAndDrop->AcceptsDropsFrom(source->fDragAndDrop, signature);
}

// The drag of a cell between grid areas: a loop inside the source's mouse-down that follows the

// pointer over any area of any window until the button is released or the cancel key is typed.

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
  HCURSOR previousCursor =
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
