// Cursors of the window system: one made from pixels, and the stock size-all cursor.
#pragma once

#include <stdint.h>

#include "sdk/HostPlatform.h"

// `pixels` are `width` * `height` straight 0xAARRGGBB values, rows top down; the hot spot lies in
// the image. Null when the cursor cannot be made. The maker owns it (DestroyCursor).
HCURSOR MakeCursorFromPixels(int32_t width, int32_t height, const uint32_t* pixels, int32_t hotX,
                             int32_t hotY);
// Shared, never destroyed.
HCURSOR GetSizeAllCursor();
