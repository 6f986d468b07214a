// Mouse input beyond clicks: drags, which the native scroll bars track when they start on a
// thumb, and the scroll wheel.
#pragma once

#include <stdint.h>

#include <memory>

#include "Forms.h"

namespace zvhost {

// A press at (x, y), a move to (toX, toY) and a release, in window coordinates. On a shown
// scroll bar's thumb the native bar tracks it and notifies the window; anywhere else the
// topmost area under the press gets mouse down there and mouse up at the end.
void DragAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t toX, int16_t toY,
            uint16_t modifiers);
// A wheel event (39) to the topmost shown area under the point; false when none.
bool WheelAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, int16_t delta,
             uint16_t modifiers);

} // namespace zvhost
