// The native scroll bar behind a control of the compatibility layer: the window system's own
// on Windows, the emulated one elsewhere.
#pragma once

#include <stdint.h>

#include "Controls.h"

namespace zvhost {

// A child window of the control's owner; null when none can be had.
HWND CreateControlBar(const Control& control);
void DestroyControlBar(const Control& control);
// The bar follows the control's range, page and position.
void SyncControlBar(const Control& control);
// The bar follows the control's place, visibility and activity (the emulated bar reads them from
// the control itself).
void PlaceControlBar(const Control& control);
// Draws a shown control's bar on its owner window now.
void DrawControlBar(const Control& control);
// The part of the control under a point of its window, 0 when none.
int16_t ControlPartAt(const Control& control, int16_t x, int16_t y);

} // namespace zvhost
