// The window system a host process offers its plug-ins: the compatibility layer's controls (scroll
// bars backed by native scroll-bar windows), ports, the mouse, and the native window services
// (properties, window procedures, scroll info, metrics, point conversion). Included through
// HostPlatform.h; only what the plug-in's platform code calls, with the parameters it needs.
//
// A host window pointer (GrafPtr) is the host's window record; its native window (HWND) comes from
// the host's mapping selectors. The Linux emulator gives both the same value; on Windows they
// differ, so neither is ever taken for the other. A scroll bar's native window is a separate
// child window.
#pragma once

#include <stdint.h>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// A 16-bit relic that windows.h still defines, and a name the host interface uses.
#undef Yield
#endif

#include "sdk/FourDPluginAPI.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifndef ZVHOST_API
#define ZVHOST_API __attribute__((visibility("default")))
#endif

typedef void* GrafPtr; // a host window (its port)
#ifndef _WIN32
typedef void* HWND; // a native window
#endif

// The host window record, as far as plug-ins read it: bytes the plug-in may look at directly.
enum {
  kWindowRecordHiliteOffset = 111,      // uint8: non-zero while the window is active (frontmost)
  kWindowRecordControlListOffset = 140, // uint32: non-zero while the window has a control list
  kWindowRecordSize = 160
};

// ---- Controls of the compatibility layer ---------------------------------------------------

// What the layer lets a plug-in read of a control directly; the rest goes through the calls.
typedef struct ControlRecord {
  GrafPtr contrlOwner; // the window
  Rect contrlRect;     // window coordinates
  uint8_t contrlVis;   // 255 shown, 0 hidden
  uint8_t contrlHilite;
} ControlRecord;
typedef ControlRecord** ControlHandle;

enum {
  kScrollBarProc = 16, // the control definition of a scroll bar
  kControlUpButtonPart = 20,
  kControlDownButtonPart = 21,
  kControlPageUpPart = 22,
  kControlPageDownPart = 23,
  kControlIndicatorPart = 129 // the thumb
};

typedef void (*ControlActionProcPtr)(ControlHandle control, int16_t part);

// `title` is a Pascal string (may be null). A bar wider than high is horizontal. Null when the
// window is not a host window or memory runs out. The native scroll-bar window is made with it.
ZVHOST_API ControlHandle NewControl(GrafPtr window, const Rect* bounds, const unsigned char* title,
                                    uint8_t visible, int16_t value, int16_t minimum,
                                    int16_t maximum, int16_t procID, intptr_t reference);
// Also destroys its native window. A handle this host did not hand out is ignored.
ZVHOST_API void DisposeControl(ControlHandle control);
ZVHOST_API void SetControlReference(ControlHandle control, intptr_t reference);
ZVHOST_API intptr_t GetControlReference(ControlHandle control);
// The native scroll-bar window backing the control, or null.
ZVHOST_API HWND ASI_ControlToHWND(ControlHandle control);
ZVHOST_API int32_t GetControl32BitValue(ControlHandle control);
// Clamped to the control's minimum and maximum; the native bar follows.
ZVHOST_API void SetControl32BitValue(ControlHandle control, int32_t value);
ZVHOST_API int32_t GetControl32BitMinimum(ControlHandle control);
ZVHOST_API void SetControl32BitMinimum(ControlHandle control, int32_t minimum);
ZVHOST_API int32_t GetControl32BitMaximum(ControlHandle control);
ZVHOST_API void SetControl32BitMaximum(ControlHandle control, int32_t maximum);
ZVHOST_API int32_t GetControlViewSize(ControlHandle control);
ZVHOST_API void SetControlViewSize(ControlHandle control, int32_t viewSize);
ZVHOST_API void HideControl(ControlHandle control);
ZVHOST_API void ShowControl(ControlHandle control);
ZVHOST_API void SizeControl(ControlHandle control, int16_t width, int16_t height);
ZVHOST_API void MoveControl(ControlHandle control, int16_t h, int16_t v);
// 0 active, 255 inactive.
ZVHOST_API void HiliteControl(ControlHandle control, int16_t hilite);
// Draws a shown control into its owner window's surface now.
ZVHOST_API void Draw1Control(ControlHandle control);
// Follows the mouse in `part` while the button is held, calling `action` (may be null) each
// time it repeats; the part the mouse was released in, 0 when outside it.
ZVHOST_API int16_t TrackControl(ControlHandle control, Point start, ControlActionProcPtr action);
// The part of a shown control of `window` under `where` (window coordinates) and the control
// in `which`; 0 and null when none.
ZVHOST_API int16_t FindControl(Point where, GrafPtr window, ControlHandle* which);

// ---- Ports, windows and the mouse of the compatibility layer ------------------------------

// The window part under a global point (3, in the content, or 0) and the window in `window`.
ZVHOST_API int16_t FindWindo(Point where, GrafPtr* window);
// True while the mouse button is held. Polling it plays the input the host is replaying: each
// poll moves the pointer on by one point of a press's path and the clock by one tick.
ZVHOST_API uint8_t StillDown(void);
// The same as StillDown.
ZVHOST_API uint8_t Button(void);
// The mouse position in the current port's coordinates (the window of the area whose event is
// being delivered, else the port last set); the screen's when there is no port.
ZVHOST_API void GetMouse(Point* where);
ZVHOST_API void GetPort(GrafPtr* port);
ZVHOST_API void SetPort(GrafPtr port);
// Copies pixels between two windows' surfaces (window coordinates); mode 0 is a plain copy.
ZVHOST_API void CopyBits(GrafPtr source, GrafPtr destination, const Rect* sourceRect,
                         const Rect* destinationRect, int16_t mode, const void* maskRegion);

// ---- Native windows ------------------------------------------------------------------------
// On Windows the window system's own (windows.h).
#ifndef _WIN32

typedef intptr_t LRESULT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
#define CALLBACK // the calling convention of window procedures: the platform's own here
typedef LRESULT (*WNDPROC)(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam);

enum {
  GWLP_WNDPROC = -4,
  WM_HSCROLL = 0x0114,
  WM_VSCROLL = 0x0115,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_ENDSCROLL = 8,
  SB_CTL = 2,
  SIF_RANGE = 0x1,
  SIF_PAGE = 0x2,
  SIF_POS = 0x4,
  SIF_TRACKPOS = 0x10,
  SIF_ALL = 0x17,
  SM_CXVSCROLL = 2
};

typedef struct SCROLLINFO {
  uint32_t cbSize;
  uint32_t fMask;
  int32_t nMin;
  int32_t nMax;
  uint32_t nPage;
  int32_t nPos;
  int32_t nTrackPos;
} SCROLLINFO;

typedef struct POINT {
  int32_t x;
  int32_t y;
} POINT;

typedef struct RECT {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} RECT;

typedef PA_Unichar WCHAR; // property names are UTF-16

// Named pointer-sized values on a native window. Set answers 0 for a window that is not one.
ZVHOST_API int32_t SetPropW(HWND window, const WCHAR* name, void* value);
ZVHOST_API void* GetPropW(HWND window, const WCHAR* name);
ZVHOST_API void* RemovePropW(HWND window, const WCHAR* name);

// The pointer-sized forms of the window-long calls (the 64-bit names); only GWLP_WNDPROC.
// Set answers the procedure that was in place; 0 for a window that is not one.
ZVHOST_API intptr_t GetWindowLongPtrA(HWND window, int32_t index);
ZVHOST_API intptr_t SetWindowLongPtrA(HWND window, int32_t index, intptr_t value);
ZVHOST_API LRESULT CallWindowProcA(WNDPROC procedure, HWND window, uint32_t message, WPARAM wParam,
                                   LPARAM lParam);
ZVHOST_API LRESULT DefWindowProcA(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam);
// Sends a message through the window's current procedure.
ZVHOST_API LRESULT SendMessageA(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam);

// `bar` must be SB_CTL and `window` a native scroll bar; 0 otherwise.
ZVHOST_API int32_t GetScrollInfo(HWND window, int32_t bar, SCROLLINFO* info);
// Answers the position after the change.
ZVHOST_API int32_t SetScrollInfo(HWND window, int32_t bar, const SCROLLINFO* info, int32_t redraw);

ZVHOST_API int32_t GetSystemMetrics(int32_t index);

// Screen coordinates. The process window's client area is the whole screen.
ZVHOST_API int32_t GetCursorPos(POINT* point);
ZVHOST_API int32_t ScreenToClient(HWND window, POINT* point);
ZVHOST_API int32_t ClientToScreen(HWND window, POINT* point);
ZVHOST_API int32_t IsWindow(HWND window);
// The client area from (0, 0); only host windows have one here, 0 for anything else.
ZVHOST_API int32_t GetClientRect(HWND window, RECT* rect);
ZVHOST_API HWND GetParent(HWND window);
// The host's process window, whose client coordinates are the plug-ins' global coordinates.
ZVHOST_API HWND GetProcessWindow(void);
// The pixel surface of a host window's client area, for drawing outside an update; null for
// anything else. Given back with ReleaseDC, which answers 1 for a context of that window, else 0.
ZVHOST_API FDDeviceContext* GetDC(HWND window);
ZVHOST_API int32_t ReleaseDC(HWND window, FDDeviceContext* dc);
#endif

#ifdef __cplusplus
}
#endif
