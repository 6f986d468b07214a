// Mouse input beyond clicks: presses played as a timeline that the plug-in's own polling of the
// button consumes, drags, which the native scroll bars track when they start on a thumb, and the
// scroll wheel.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "Forms.h"
#ifndef _WIN32
#include "ScrollBarLook.h"
#endif
#include "sdk/HostPlatform.h"
#ifdef _WIN32
#include <windef.h> // POINT
#endif

namespace zvhost {

// A press at (x, y), `steps` moves in a straight line to (toX, toY), `holdTicks` polls held
// still there, then the release; window coordinates, which may lie outside the window. On a
// shown scroll bar's thumb the native bar tracks it and notifies the window; anywhere else the
// topmost area under the press gets mouse down, what it leaves of the timeline is played out,
// then mouse up, unless the area started a host drag, which walks the rest instead.
void DragAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t toX, int16_t toY,
            uint16_t modifiers, int32_t steps = 10, int32_t holdTicks = 0);
// A wheel event (39) to the topmost shown area under the point; false when none.
bool WheelAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t delta,
             uint16_t modifiers);

// A press on a shown scroll bar's thumb, which the native bar tracks.
struct ThumbPress {
  HWND bar = nullptr;
#ifndef _WIN32
  BarLook look; // as the press found it
#endif
  bool horizontal = false;
  int16_t x = 0; // the press, window coordinates
  int16_t y = 0;
};
bool ThumbUnder(const Window& window, int16_t x, int16_t y, ThumbPress* thumb);
// The thumb follows the pointer to (toX, toY): the track notification, and with `release` the
// final position and the end of scrolling.
void TrackThumbTo(const ThumbPress& thumb, int32_t toX, int32_t toY, bool release);

// The button as a poll sees it: while a press is played, each poll moves the pointer to the next
// point of the timeline and the clock on by one tick, and answers true; once the timeline is
// spent (or when nothing is played) the button is up.
bool PollButton();

// A press being played from the pointer's current position along `path` (screen coordinates):
// the timeline ends with the scope, however it is left.
class PressScope {
public:
  explicit PressScope(std::vector<POINT> path);
  ~PressScope();
  PressScope(const PressScope&) = delete;
  PressScope& operator=(const PressScope&) = delete;

  // Moves through what the polls left of the timeline, a tick a point, as the host would.
  void PlayOut();
};

// `steps` points on the straight line from `from` to `to` (the last one `to`), then `to` again
// `holdTicks` times.
std::vector<POINT> StraightPath(POINT from, POINT to, int32_t steps, int32_t holdTicks);

} // namespace zvhost
