// A press on a real scroll bar's thumb: the bar itself tracks it. The pointer's path is queued
// for the bar's own tracking loop, then the press is handed to it, so that the bar sets its
// track position and sends its parent the scroll messages as it does for a person.
#include "ControlBars.h"
#include "MouseInput.h"
#include "RealWindows.h"

namespace zvhost {

bool ThumbUnder(const Window& window, int16_t x, int16_t y, ThumbPress* thumb) {
  const Control* control = ShownControlAt(&window, x, y);
  if (control == nullptr || ControlPartAt(*control, x, y) != kControlIndicatorPart) {
    return false;
  }
  const Rect& r = control->record.contrlRect;
  thumb->horizontal = r.right - r.left > r.bottom - r.top;
  thumb->bar = control->native;
  thumb->x = x;
  thumb->y = y;
  return true;
}

namespace {

// A point of the bar's parent window in the bar's own coordinates, as a mouse message carries it.
LPARAM BarPoint(HWND bar, int32_t x, int32_t y) {
  POINT point{x, y};
  MapWindowPoints(GetParent(bar), bar, &point, 1);
  return MAKELPARAM(static_cast<int16_t>(point.x), static_cast<int16_t>(point.y));
}

} // namespace

// The bar's tracking loop ends with the release, so the whole press is played at once.
void TrackThumbTo(const ThumbPress& thumb, int32_t toX, int32_t toY, bool release) {
  if (!release || !IsWindow(thumb.bar)) {
    return;
  }
  PostMessageW(thumb.bar, WM_MOUSEMOVE, MK_LBUTTON, BarPoint(thumb.bar, toX, toY));
  PostMessageW(thumb.bar, WM_LBUTTONUP, 0, BarPoint(thumb.bar, toX, toY));
  SendMessageW(thumb.bar, WM_LBUTTONDOWN, MK_LBUTTON, BarPoint(thumb.bar, thumb.x, thumb.y));
}

} // namespace zvhost
