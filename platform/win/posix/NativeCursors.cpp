#include "platform/win/NativeCursors.h"

HCURSOR MakeCursorFromPixels(int32_t width, int32_t height, const uint32_t* pixels, int32_t hotX,
                             int32_t hotY) {
  return CreateCursorFromPixels(width, height, pixels, hotX, hotY);
}

HCURSOR GetSizeAllCursor() {
  return LoadStockCursor(kSizeAllCursor);
}
