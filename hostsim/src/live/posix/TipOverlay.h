// A tip as the window system draws it: a small box of the system's tip colours with one line of
// text, near the pointer and inside the window.
#pragma once

#include <stdint.h>

#include <string>

#include "sdk/FourDPluginAPI.h"

namespace zvhost::live {

// Draws over `surface` (premultiplied ARGB) with the box's corner below and right of the pointer
// at (x, y), moved in so that it stays inside.
void DrawTip(FDDeviceContext& surface, const std::u16string& text, int32_t x, int32_t y);

} // namespace zvhost::live
