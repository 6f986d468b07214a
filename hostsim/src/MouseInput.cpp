#include "MouseInput.h"

#include <vector>

#include "AreaEvents.h"
#include "Controls.h"
#include "NativeWindows.h"

namespace zvhost {

namespace {

void MoveMouse(const Window& window, int16_t x, int16_t y) {
  native::SetMouse(window.frame.left + x, window.frame.top + y);
}

WPARAM ScrollCode(int32_t code, int32_t position) {
  return static_cast<WPARAM>(code) | (static_cast<WPARAM>(position & 0xFFFF) << 16);
}

// The native bar follows the thumb: track, final position, end, each sent to the parent window
// through its current procedure, which may replace itself or close the window in between.
bool TrackThumb(const Window& window, int16_t x, int16_t y, int16_t toX, int16_t toY) {
  const std::vector<Control*> shown = ShownControlsOf(&window);
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    const Rect& r = (*it)->record.contrlRect;
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) {
      continue;
    }
    BarLook look;
    if (!NativeBarLook(**it, &look) || PartAt(look, x, y) != kControlIndicatorPart) {
      return false;
    }
    const bool horizontal = LayOut(look).horizontal;
    const int32_t position = PositionAfterThumbMove(look, horizontal ? toX - x : toY - y);
    const HWND bar = (*it)->native;
    const HWND parent = native::Find(bar)->parent;
    const uint32_t message = horizontal ? WM_HSCROLL : WM_VSCROLL;
    const auto lParam = reinterpret_cast<LPARAM>(bar);
    MoveMouse(window, toX, toY);
    if (native::NativeWindow* native = native::Find(bar)) {
      native->scroll.tracking = true;
      native->scroll.trackPos = position;
    }
    SendMessageA(parent, message, ScrollCode(SB_THUMBTRACK, position), lParam);
    SendMessageA(parent, message, ScrollCode(SB_THUMBPOSITION, position), lParam);
    if (native::NativeWindow* native = native::Find(bar)) {
      native->scroll.tracking = false;
      native->scroll.pos = position;
    }
    SendMessageA(parent, message, SB_ENDSCROLL, lParam);
    return true;
  }
  return false;
}

} // namespace

void DragAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t toX, int16_t toY,
            uint16_t modifiers) {
  MoveMouse(*window, x, y);
  if (TrackThumb(*window, x, y, toX, toY)) {
    return;
  }
  const std::shared_ptr<PluginArea> target = AreaAt(*window, x, y);
  if (!target) {
    MoveMouse(*window, toX, toY);
    return;
  }
  SendMouseEvent(target, kAreaMouseDown, x, y, modifiers);
  MoveMouse(*window, toX, toY);
  SendMouseEvent(target, kAreaMouseUp, toX, toY, modifiers);
}

bool WheelAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t delta,
             uint16_t modifiers) {
  MoveMouse(*window, x, y);
  const std::shared_ptr<PluginArea> target = AreaAt(*window, x, y);
  if (!target) {
    return false;
  }
  SendMouseEvent(target, kAreaScrollWheel, x, y, modifiers, static_cast<uint16_t>(delta));
  return true;
}

} // namespace zvhost
