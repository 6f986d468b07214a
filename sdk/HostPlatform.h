// The host platform interface: the services a host process offers every plug-in directly, in
// place of the host's QuickDraw-style compatibility library and the window system. The host
// implements it (here the emulator, zvhost); the plug-in only includes it.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

#ifdef __cplusplus
extern "C" {
#endif

// On Windows the compatibility calls come from the host's ASINTPPC.dll (which defines
// ZVHOST_API itself to export them).
#ifndef ZVHOST_API
#ifdef _WIN32
#define ZVHOST_API __declspec(dllimport)
#else
#define ZVHOST_API __attribute__((visibility("default")))
#endif
#endif

// Keyboard state map: bit (code mod 8) of byte code / 8 is set while key `code` is held.
typedef unsigned char KeyMap[16];

ZVHOST_API void GetKeys(KeyMap keys);
ZVHOST_API uint32_t TickCount(void);  // 1/60 s
ZVHOST_API uint32_t GetDblTime(void); // ticks

// System colours and cursors: on Windows the window system's own (windows.h).
#ifndef _WIN32

// System colours of the window system's default theme, 0x00BBGGRR (red in the low byte). An
// index the window system does not know answers 0.
enum {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_3DFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_3DSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DHILIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30
};

ZVHOST_API uint32_t GetSysColor(int index);

// Mouse cursors. A made cursor belongs to its maker until DestroyCursor; stock cursors are shared
// and never destroyed. The emulator keeps the cursor last set so that tests can see it.
typedef struct ZVCursor ZVCursor;
typedef ZVCursor* HCURSOR; // the window system's name for a cursor

enum { kArrowCursor = 1, kSizeAllCursor = 2 };

// What a cursor looks like: its size, its hot spot and, for a stock cursor, which one (0 for a
// made cursor).
typedef struct ZVCursorInfo {
  int32_t fWidth;
  int32_t fHeight;
  int32_t fHotX;
  int32_t fHotY;
  int32_t fStock;
} ZVCursorInfo;

// `pixels` are `width` * `height` straight 0xAARRGGBB values, rows top down, copied. Null for a
// size outside 1 to 256, a hot spot outside the image, no pixels, or no memory.
ZVHOST_API ZVCursor* CreateCursorFromPixels(int32_t width, int32_t height, const uint32_t* pixels,
                                            int32_t hotX, int32_t hotY);
// Null for an unknown stock cursor.
ZVHOST_API ZVCursor* LoadStockCursor(int32_t which);
// Returns the cursor shown before. A cursor this host did not hand out is refused: nothing
// changes and the answer is null.
ZVHOST_API ZVCursor* SetCursor(ZVCursor* cursor);
ZVHOST_API ZVCursor* GetCursor(void);
// 0 for a cursor this host did not hand out (or a stock one), 1 when destroyed. A destroyed
// cursor that was shown gives way to the arrow.
ZVHOST_API int32_t DestroyCursor(ZVCursor* cursor);
// 0 for a cursor this host did not hand out (the info is then zeroed), 1 otherwise.
ZVHOST_API int32_t GetCursorInfo(const ZVCursor* cursor, ZVCursorInfo* info);
// The pixel at (x, y) of a made cursor, 0 outside it or for a stock cursor.
ZVHOST_API uint32_t GetCursorPixel(const ZVCursor* cursor, int32_t x, int32_t y);
#endif

#ifdef __cplusplus
}
#endif

#include "sdk/HostWindows.h"
