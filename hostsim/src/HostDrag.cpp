#include "HostDrag.h"

#include "AreaEvents.h"
#include "HostState.h"
#include "MouseInput.h"
#include "lang/Interpreter.h"
#include "lang/MethodErrors.h"

namespace zvhost {

namespace {

// What the host hands droppable areas with the drag events: the dragged object's rectangle,
// then the host's own fields.
struct HostDragRecord {
  Rect dragged{};
  unsigned char hostFields[56] = {};
};

struct DragState {
  bool pending = false;
  bool running = false;
  Rect dragged{};
};

DragState& Drag() {
  static DragState state;
  return state;
}

int32_t gFormEvent = 0;

class FormEventScope {
public:
  explicit FormEventScope(int32_t event) : fSaved(gFormEvent) { gFormEvent = event; }
  ~FormEventScope() { gFormEvent = fSaved; }
  FormEventScope(const FormEventScope&) = delete;
  FormEventScope& operator=(const FormEventScope&) = delete;

private:
  int32_t fSaved;
};

class RunningScope {
public:
  RunningScope() { Drag().running = true; }
  ~RunningScope() { Drag().running = false; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;
};

bool Contains(const Rect& r, int32_t x, int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The topmost area under the pointer, in the front window there, when its object is droppable.
std::shared_ptr<PluginArea> DroppableAreaUnderPointer() {
  const int32_t x = State().fMouseX;
  const int32_t y = State().fMouseY;
  const auto windows = Windows().All();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const Window& window = **it;
    if (!Contains(window.frame, x, y)) {
      continue;
    }
    std::shared_ptr<PluginArea> area = AreaAt(window, static_cast<int16_t>(x - window.frame.left),
                                              static_cast<int16_t>(y - window.frame.top));
    return area && area->hasDragOptions && area->dragOptions[2] ? area : nullptr;
  }
  return nullptr;
}

bool Placed(const std::shared_ptr<PluginArea>& area) {
  return area && area->window != nullptr;
}

EventRecord DragEvent(const PluginArea& area, uint16_t what, HostDragRecord* record) {
  EventRecord event{};
  event.what = what;
  event.message = reinterpret_cast<intptr_t>(record);
  event.when = static_cast<intptr_t>(State().fTicks);
  event.where = Point{static_cast<int16_t>(State().fMouseY - area.window->frame.top),
                      static_cast<int16_t>(State().fMouseX - area.window->frame.left)};
  return event;
}

void CallObjectMethod(const std::shared_ptr<PluginArea>& area, int32_t formEvent) {
  if (!Placed(area) || area->objectMethod.empty()) {
    return;
  }
  const FormEventScope scope(formEvent);
  const lang::Frame caller;
  try {
    lang::CallMethod(area->objectMethod, {}, 0, caller);
  } catch (const lang::ScriptError& error) {
    // The method stops where it failed and the drag goes on; a failed ASSERT ends the run.
    if (error.code == kHostAssertionFailed) {
      throw;
    }
    lang::ReportMethodError(error);
  }
}

} // namespace

bool RequestHostDrag() {
  const Delivery& delivery = CurrentDelivery();
  if (Drag().running || delivery.area == nullptr || delivery.event == nullptr ||
      delivery.event->what != kAreaMouseDown) {
    return false;
  }
  Drag().pending = true;
  Drag().dragged = delivery.area->rect;
  return true;
}

bool RunPendingHostDrag() {
  if (!Drag().pending) {
    return false;
  }
  Drag().pending = false;
  WalkHostDrag(Drag().dragged);
  return true;
}

void WalkHostDrag(const Rect& dragged) {
  const RunningScope running;
  Drag().pending = false;
  HostDragRecord record;
  record.dragged = dragged;
  std::shared_ptr<PluginArea> over;
  bool accepted = false;
  bool begun = false;
  auto visit = [&] {
    const std::shared_ptr<PluginArea> under = DroppableAreaUnderPointer();
    if (under != over) {
      // The area left draws itself without the drag's marks.
      if (Placed(over)) {
        SendUpdateEvent(over);
      }
      over = under;
      begun = false;
    }
    accepted = false;
    if (!Placed(over)) {
      return;
    }
    EventRecord may = DragEvent(*over, 80, &record);
    SendAreaEvent(over, may);
    accepted = may.modifiers == 0 && may.message != 112 && Placed(over);
    if (!accepted) {
      return;
    }
    EventRecord dragOver = DragEvent(*over, 81, &record);
    SendAreaEvent(over, dragOver);
    CallObjectMethod(over, begun ? kFormEventDragOver : kFormEventBeginDragOver);
    begun = true;
  };
  visit();
  while (PollButton()) {
    visit();
  }
  if (accepted && Placed(over)) {
    EventRecord drop = DragEvent(*over, 82, &record);
    SendAreaEvent(over, drop);
    CallObjectMethod(over, kFormEventDrop);
  }
}

int32_t RunningFormEvent() {
  return gFormEvent;
}

} // namespace zvhost
