// The emulated window system's scroll bars behind the controls.
#include "ControlBars.h"

#include "Forms.h"
#include "NativeWindows.h"
#include "ScrollBarLook.h"

namespace zvhost {

namespace {

BarLook ControlLook(const Control& control) {
  return MirrorControl(control.record.contrlRect, control.minimum, control.maximum,
                       control.viewSize, control.value, control.record.contrlHilite);
}

} // namespace

HWND CreateControlBar(const Control& control) {
  return native::CreateScrollBarWindow(control.record.contrlOwner, control.handle);
}

void DestroyControlBar(const Control& control) {
  native::Destroy(control.native);
}

void PlaceControlBar(const Control& /*control*/) {}

void SyncControlBar(const Control& control) {
  native::NativeWindow* bar = native::Find(control.native);
  if (bar == nullptr) {
    return;
  }
  const BarLook look = MirrorControl(control.record.contrlRect, control.minimum, control.maximum,
                                     control.viewSize, control.value, 0);
  bar->scroll.min = look.min;
  bar->scroll.max = look.max;
  bar->scroll.page = look.page;
  bar->scroll.pos = look.pos;
}

bool NativeBarLook(const Control& control, BarLook* look) {
  const native::NativeWindow* bar = native::Find(control.native);
  if (bar == nullptr || control.record.contrlVis == 0) {
    return false;
  }
  look->frame = control.record.contrlRect;
  look->min = bar->scroll.min;
  look->max = bar->scroll.max;
  look->page = bar->scroll.page;
  look->pos = bar->scroll.tracking ? bar->scroll.trackPos : bar->scroll.pos;
  look->enabled = control.record.contrlHilite != 255;
  return true;
}

void DrawControlBar(const Control& control) {
  BarLook look;
  if (NativeBarLook(control, &look)) {
    DrawBar(look, control.owner->context);
  }
}

int16_t ControlPartAt(const Control& control, int16_t x, int16_t y) {
  return PartAt(ControlLook(control), x, y);
}

} // namespace zvhost
