// Area, window and form services. A window is known to the plug-in by its host pointer, which is
// also its native handle; an area by the reference in its private word, or by that word's cell.
// Pointers the host did not hand out are refused, never followed.
#include <cstring>

#include "Callback.h"
#include "Forms.h"
#include "HostDrag.h"
#include "HostState.h"
#include "Surface.h"
#include "Utf.h"

namespace zvhost::callback {

namespace {

void InvalidateAreaRect(FDEngineBlock& b) {
  const std::shared_ptr<PluginArea> area = Windows().FindArea(b.fParam1);
  if (!area) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  Invalidation invalidation;
  invalidation.immediately = b.fParam2 != 0;
  if (b.fPtr1 != nullptr) {
    invalidation.wholeArea = false;
    std::memcpy(&invalidation.rect, b.fPtr1, sizeof(Rect));
  }
  area->invalidations.push_back(invalidation);
}

void GetAreaKeyEventInfo(FDEngineBlock& b) {
  const EventRecord* event = CurrentDelivery().event;
  b.fParam1 = 0;
  b.fParam2 = 0;
  if (event == nullptr || (event->what != 3 && event->what != 5)) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  // As the key events carry them: the character in the low byte, the key code above it.
  b.fParam1 = static_cast<int32_t>((event->message >> 8) & 0xFF);
  b.fParam2 = static_cast<int32_t>(event->message & 0xFF);
}

void MapWindow(int16_t selector, FDEngineBlock& b) {
  if (selector == kFDMacWindowToHWND) {
    b.fPtr2 = NativeHandleOf(b.fPtr1);
  } else {
    Window* window = WindowOfNativeHandle(b.fPtr1);
    b.fPtr2 = window != nullptr ? window->HostPointer() : nullptr;
  }
  if (b.fPtr2 == nullptr) {
    b.fError = kFDErrNotAvailable;
  }
}

void SetAreaClipMode(FDEngineBlock& b) {
  const std::shared_ptr<PluginArea> area =
      Windows().FindAreaByCell(static_cast<const int32_t*>(b.fPtr1));
  if (!area) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  area->clipMode = b.fParam1;
}

void GetAreaWindow(FDEngineBlock& b) {
  const std::shared_ptr<PluginArea> area =
      Windows().FindAreaByCell(static_cast<const int32_t*>(b.fPtr1));
  b.fPtr2 = nullptr;
  b.fPtr3 = nullptr;
  if (!area || area->window == nullptr) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  // One pointer is both the host window and its native window.
  b.fPtr2 = area->window->HostPointer();
  b.fPtr3 = area->window->HostPointer();
}

void CreateTip(FDEngineBlock& b) {
  Window* window = Windows().FromPointer(b.fPtr1);
  if (window == nullptr) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  window->tip = std::u16string(TerminatedView(b.fUName));
  State().fLastTip = window->tip;
  ++State().fTipRequests;
}

constexpr int32_t kKeyDownMask = 1 << 3;

// Only key downs are ever queued (POST KEY); the first one due is handed out when the mask
// asks for key downs.
void GetNextEvent(FDEngineBlock& b) {
  auto* event = static_cast<EventRecord*>(b.fPtr1);
  const int32_t mask = b.fParam1;
  b.fParam1 = 0;
  if (event == nullptr) {
    return; // no record: nothing written
  }
  std::memset(event, 0, sizeof(EventRecord));
  HostState& state = State();
  auto& queue = state.fPostedKeys;
  if ((mask & kKeyDownMask) == 0 || queue.empty() || queue.front().due > state.fTicks) {
    return;
  }
  event->what = 3;
  event->message = queue.front().message;
  event->when = static_cast<intptr_t>(state.fTicks);
  event->where = Point{static_cast<int16_t>(state.fMouseY), static_cast<int16_t>(state.fMouseX)};
  queue.erase(queue.begin());
  b.fParam1 = 1;
}

} // namespace

void WindowService(int16_t selector, FDEngineBlock& b) {
  switch (selector) {
  case kFDGetNextEvent:
    GetNextEvent(b);
    break;
  case kFDInvalidateAreaRect:
    InvalidateAreaRect(b);
    break;
  case kFDGetAreaKeyEventInfo:
    GetAreaKeyEventInfo(b);
    break;
  case kFDGetUpdateHDC: {
    // Outside an update, an event's drawing goes straight to its window.
    const Delivery& delivery = CurrentDelivery();
    b.fPtr1 = delivery.updateContext;
    if (b.fPtr1 == nullptr && delivery.area != nullptr && delivery.area->window != nullptr) {
      b.fPtr1 = SurfaceContext(*delivery.area->window);
    }
    break;
  }
  case kFDHWNDToMacWindow:
  case kFDMacWindowToHWND:
    MapWindow(selector, b);
    break;
  case kFDGetDialogFromWindow: {
    const Window* window = Windows().FromPointer(b.fPtr1);
    b.fParam1 = window != nullptr ? window->number : 0;
    break;
  }
  case kFDSetAreaClipMode:
    SetAreaClipMode(b);
    break;
  case kFDCreateTip:
    CreateTip(b);
    break;
  case kFDGetAreaWindow:
    GetAreaWindow(b);
    break;
  case kFDUpdateEditMenu:
    EditMenuItems() = b.fParam1;
    break;
  case kFDStartDrag:
    if (!RequestHostDrag()) {
      b.fError = kFDErrNotAvailable;
    }
    break;
  default:
    b.fError = kFDErrNotAvailable;
    break;
  }
}

} // namespace zvhost::callback
