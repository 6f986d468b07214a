#include "MouseInput.h"

#include <cmath>
#include <vector>

#include "AreaEvents.h"
#include "Controls.h"
#include "HostDrag.h"
#include "HostState.h"
#include "WindowSystem.h"
#include "live/LivePress.h"

namespace zvhost {

namespace {

void MoveMouse(const Window& window, int16_t x, int16_t y) {
  MoveMouseTo(window.frame.left + x, window.frame.top + y);
}

} // namespace

namespace {

// The native bar follows the thumb straight to where the drag ends.
bool TrackThumb(const Window& window, int16_t x, int16_t y, int16_t toX, int16_t toY) {
  ThumbPress thumb;
  if (!ThumbUnder(window, x, y, &thumb)) {
    return false;
  }
  MoveMouse(window, toX, toY);
  TrackThumbTo(thumb, toX, toY, true);
  return true;
}

} // namespace

bool PollButton() {
  HostState& state = State();
  if (state.fTimeline.empty() && live::Pressing()) {
    return live::PollPress();
  }
  if (state.fTimelineNext >= state.fTimeline.size()) {
    return false;
  }
  const POINT point = state.fTimeline[state.fTimelineNext++];
  MoveMouseTo(point.x, point.y);
  ++state.fTicks;
  return true;
}

PressScope::PressScope(std::vector<POINT> path) {
  State().fTimeline = std::move(path);
  State().fTimelineNext = 0;
}

PressScope::~PressScope() {
  State().fTimeline.clear();
  State().fTimelineNext = 0;
}

void PressScope::PlayOut() {
  while (PollButton()) {
  }
}

std::vector<POINT> StraightPath(POINT from, POINT to, int32_t steps, int32_t holdTicks) {
  std::vector<POINT> path;
  for (int32_t i = 1; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    path.push_back(POINT{static_cast<int32_t>(std::lround(from.x + (to.x - from.x) * t)),
                         static_cast<int32_t>(std::lround(from.y + (to.y - from.y) * t))});
  }
  for (int32_t i = 0; i < holdTicks; ++i) {
    path.push_back(to);
  }
  return path;
}

void DragAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t toX, int16_t toY,
            uint16_t modifiers, int32_t steps, int32_t holdTicks) {
  MoveMouse(*window, x, y);
  if (TrackThumb(*window, x, y, toX, toY)) {
    return;
  }
  const POINT from{window->frame.left + x, window->frame.top + y};
  const POINT to{window->frame.left + toX, window->frame.top + toY};
  PressScope press(StraightPath(from, to, steps, holdTicks));
  const std::shared_ptr<PluginArea> target = AreaAt(*window, x, y);
  if (!target) {
    press.PlayOut();
    return;
  }
  FocusOnClick(window, target);
  if (target->window == nullptr) {
    return;
  }
  SendMouseEvent(target, kAreaMouseDown, x, y, modifiers);
  if (RunPendingHostDrag()) {
    return;
  }
  press.PlayOut();
  if (target->window == nullptr) {
    return; // closed by code the press ran
  }
  // The release is where the pointer ended, in the window of the press.
  SendMouseEvent(target, kAreaMouseUp, static_cast<int16_t>(State().fMouseX - window->frame.left),
                 static_cast<int16_t>(State().fMouseY - window->frame.top), modifiers);
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
