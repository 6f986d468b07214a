// A press on an emulated scroll bar's thumb: the bar tracks it and notifies its parent window.
#include "Controls.h"
#include "MouseInput.h"
#include "NativeWindows.h"

namespace zvhost {

namespace {

WPARAM ScrollCode(int32_t code, int32_t position) {
  return static_cast<WPARAM>(code) | (static_cast<WPARAM>(position & 0xFFFF) << 16);
}

} // namespace

bool ThumbUnder(const Window& window, int16_t x, int16_t y, ThumbPress* thumb) {
  const Control* control = ShownControlAt(&window, x, y);
  BarLook look;
  if (control == nullptr || !NativeBarLook(*control, &look) ||
      PartAt(look, x, y) != kControlIndicatorPart) {
    return false;
  }
  thumb->look = look;
  thumb->horizontal = LayOut(look).horizontal;
  thumb->bar = control->native;
  thumb->x = x;
  thumb->y = y;
  return true;
}

// Each message goes to the parent window through its current procedure, which may replace itself
// or close the window in between.
void TrackThumbTo(const ThumbPress& thumb, int32_t toX, int32_t toY, bool release) {
  native::NativeWindow* native = native::Find(thumb.bar);
  if (native == nullptr) {
    return;
  }
  const int32_t position =
      PositionAfterThumbMove(thumb.look, thumb.horizontal ? toX - thumb.x : toY - thumb.y);
  const HWND parent = native->parent;
  const uint32_t message = thumb.horizontal ? WM_HSCROLL : WM_VSCROLL;
  const auto lParam = reinterpret_cast<LPARAM>(thumb.bar);
  native->scroll.tracking = true;
  native->scroll.trackPos = position;
  SendMessageA(parent, message, ScrollCode(SB_THUMBTRACK, position), lParam);
  if (!release) {
    return;
  }
  SendMessageA(parent, message, ScrollCode(SB_THUMBPOSITION, position), lParam);
  if (native::NativeWindow* after = native::Find(thumb.bar)) {
    after->scroll.tracking = false;
    after->scroll.pos = position;
  }
  SendMessageA(parent, message, SB_ENDSCROLL, lParam);
}

} // namespace zvhost
