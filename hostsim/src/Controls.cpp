// Controls of the compatibility layer. A control handle points at a master pointer that is kept
// for the life of the process and cleared on disposal, so a stale handle reads as null.
#include "Controls.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "ControlBars.h"
#include "Forms.h"
#include "live/LivePress.h"

namespace zvhost {

namespace {

constexpr uint8_t kShown = 255;

// Ticks before a held arrow or page part first repeats, and between repeats, for a person.
constexpr uint32_t kFirstRepeatTicks = 24;
constexpr uint32_t kRepeatTicks = 3;

std::deque<ControlRecord*>& MasterPointers() {
  static std::deque<ControlRecord*> masters;
  return masters;
}

// In creation order: later controls lie over earlier ones.
std::vector<std::unique_ptr<Control>>& Registry() {
  static std::vector<std::unique_ptr<Control>> controls;
  return controls;
}

// The native bar follows the control, as the layer keeps it.
void Mirror(Control& control) {
  control.value = std::clamp(control.value, control.minimum, control.maximum);
  SyncControlBar(control);
}

void Release(std::vector<std::unique_ptr<Control>>::iterator it) {
  Control& control = **it;
  DestroyControlBar(control);
  *control.handle = nullptr;
  Registry().erase(it);
}

} // namespace

Control* FindControlRecord(ControlHandle handle) {
  if (handle == nullptr) {
    return nullptr;
  }
  for (const auto& control : Registry()) {
    if (control->handle == handle) {
      return control.get();
    }
  }
  return nullptr;
}

void DisposeControlsOf(const Window* window) {
  auto& registry = Registry();
  for (auto it = registry.begin(); it != registry.end();) {
    if ((*it)->owner == window) {
      Release(it);
      it = registry.begin();
    } else {
      ++it;
    }
  }
}

std::vector<Control*> ShownControlsOf(const Window* window) {
  std::vector<Control*> shown;
  for (const auto& control : Registry()) {
    if (control->owner == window && control->record.contrlVis != 0) {
      shown.push_back(control.get());
    }
  }
  return shown;
}

Control* ShownControlAt(const Window* window, int16_t x, int16_t y) {
  const std::vector<Control*> shown = ShownControlsOf(window);
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    const Rect& r = (*it)->record.contrlRect;
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
      return *it;
    }
  }
  return nullptr;
}

} // namespace zvhost

using zvhost::Control;
using zvhost::FindControlRecord;

extern "C" {

ControlHandle NewControl(GrafPtr window, const Rect* bounds, const unsigned char* /*title*/,
                         uint8_t visible, int16_t value, int16_t minimum, int16_t maximum,
                         int16_t procID, intptr_t reference) {
  zvhost::Window* owner = zvhost::Windows().FromPointer(window);
  // Scroll bars are the only kind of control this layer draws.
  if (owner == nullptr || procID != kScrollBarProc) {
    return nullptr;
  }
  try {
    auto control = std::make_unique<Control>();
    control->owner = owner;
    control->record.contrlOwner = window;
    control->record.contrlRect = bounds != nullptr ? *bounds : Rect{};
    control->record.contrlVis = visible != 0 ? zvhost::kShown : 0;
    control->minimum = minimum;
    control->maximum = std::max(maximum, minimum);
    control->value = value;
    control->reference = reference;
    ControlRecord*& master = zvhost::MasterPointers().emplace_back(&control->record);
    control->handle = &master;
    control->native = zvhost::CreateControlBar(*control);
    zvhost::Mirror(*control);
    zvhost::Registry().push_back(std::move(control));
    return zvhost::Registry().back()->handle;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void DisposeControl(ControlHandle handle) {
  auto& registry = zvhost::Registry();
  auto it = std::find_if(registry.begin(), registry.end(),
                         [handle](const auto& control) { return control->handle == handle; });
  if (handle != nullptr && it != registry.end()) {
    zvhost::Release(it);
  }
}

void SetControlReference(ControlHandle handle, intptr_t reference) {
  if (Control* control = FindControlRecord(handle)) {
    control->reference = reference;
  }
}

intptr_t GetControlReference(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->reference : 0;
}

HWND ASI_ControlToHWND(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->native : nullptr;
}

int32_t GetControl32BitValue(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->value : 0;
}

void SetControl32BitValue(ControlHandle handle, int32_t value) {
  if (Control* control = FindControlRecord(handle)) {
    control->value = value;
    zvhost::Mirror(*control);
  }
}

int32_t GetControl32BitMinimum(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->minimum : 0;
}

void SetControl32BitMinimum(ControlHandle handle, int32_t minimum) {
  if (Control* control = FindControlRecord(handle)) {
    control->minimum = minimum;
    control->maximum = std::max(control->maximum, minimum);
    zvhost::Mirror(*control);
  }
}

int32_t GetControl32BitMaximum(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->maximum : 0;
}

void SetControl32BitMaximum(ControlHandle handle, int32_t maximum) {
  if (Control* control = FindControlRecord(handle)) {
    // A maximum below the minimum is taken as the minimum.
    control->maximum = std::max(maximum, control->minimum);
    zvhost::Mirror(*control);
  }
}

int32_t GetControlViewSize(ControlHandle handle) {
  const Control* control = FindControlRecord(handle);
  return control != nullptr ? control->viewSize : 0;
}

void SetControlViewSize(ControlHandle handle, int32_t viewSize) {
  if (Control* control = FindControlRecord(handle)) {
    control->viewSize = viewSize;
    zvhost::Mirror(*control);
  }
}

void HideControl(ControlHandle handle) {
  if (Control* control = FindControlRecord(handle)) {
    control->record.contrlVis = 0;
    zvhost::PlaceControlBar(*control);
  }
}

void ShowControl(ControlHandle handle) {
  if (Control* control = FindControlRecord(handle)) {
    control->record.contrlVis = zvhost::kShown;
    zvhost::PlaceControlBar(*control);
  }
}

void SizeControl(ControlHandle handle, int16_t width, int16_t height) {
  if (Control* control = FindControlRecord(handle)) {
    Rect& r = control->record.contrlRect;
    r.right = static_cast<int16_t>(std::clamp(r.left + std::max<int32_t>(width, 0), -32768, 32767));
    r.bottom =
        static_cast<int16_t>(std::clamp(r.top + std::max<int32_t>(height, 0), -32768, 32767));
    zvhost::PlaceControlBar(*control);
  }
}

void MoveControl(ControlHandle handle, int16_t h, int16_t v) {
  if (Control* control = FindControlRecord(handle)) {
    Rect& r = control->record.contrlRect;
    const int32_t width = r.right - r.left;
    const int32_t height = r.bottom - r.top;
    r.left = h;
    r.top = v;
    r.right = static_cast<int16_t>(std::clamp(h + width, -32768, 32767));
    r.bottom = static_cast<int16_t>(std::clamp(v + height, -32768, 32767));
    zvhost::PlaceControlBar(*control);
  }
}

void HiliteControl(ControlHandle handle, int16_t hilite) {
  if (Control* control = FindControlRecord(handle)) {
    control->record.contrlHilite = static_cast<uint8_t>(std::clamp<int16_t>(hilite, 0, 255));
    zvhost::PlaceControlBar(*control);
  }
}

void Draw1Control(ControlHandle handle) {
  if (const Control* control = FindControlRecord(handle)) {
    zvhost::DrawControlBar(*control);
  }
}

int16_t TrackControl(ControlHandle handle, Point start, ControlActionProcPtr action) {
  const Control* control = FindControlRecord(handle);
  if (control == nullptr || control->record.contrlVis == 0 || control->record.contrlHilite == 255) {
    return 0;
  }
  const int16_t part = zvhost::ControlPartAt(*control, start.h, start.v);
  if (action == nullptr || part < kControlUpButtonPart || part > kControlPageDownPart) {
    return part;
  }
  // One step for the press, then one for each poll that finds the button held over the part;
  // released where the last poll found the mouse, the press's point when none found it down.
  // A person's press repeats as the window system's do: after a pause, a few times a second.
  const bool paced = zvhost::live::Pressing();
  uint32_t nextStep = TickCount() + zvhost::kFirstRepeatTicks;
  action(handle, part);
  Point where = start;
  while (StillDown() != 0) {
    GetMouse(&where);
    control = FindControlRecord(handle);
    if (control == nullptr || control->record.contrlVis == 0) {
      return 0;
    }
    if (zvhost::ControlPartAt(*control, where.h, where.v) != part) {
      continue;
    }
    if (paced && static_cast<int32_t>(TickCount() - nextStep) < 0) {
      continue;
    }
    nextStep = TickCount() + zvhost::kRepeatTicks;
    action(handle, part);
  }
  return zvhost::ControlPartAt(*control, where.h, where.v) == part ? part : 0;
}

int16_t FindControl(Point where, GrafPtr window, ControlHandle* which) {
  if (which != nullptr) {
    *which = nullptr;
  }
  const zvhost::Window* owner = zvhost::Windows().FromPointer(window);
  if (owner == nullptr) {
    return 0;
  }
  Control* control = zvhost::ShownControlAt(owner, where.h, where.v);
  // An inactive control takes no clicks.
  if (control == nullptr || control->record.contrlHilite == 255) {
    return 0;
  }
  const int16_t part = zvhost::ControlPartAt(*control, where.h, where.v);
  if (part != 0 && which != nullptr) {
    *which = control->handle;
  }
  return part;
}

} // extern "C"
