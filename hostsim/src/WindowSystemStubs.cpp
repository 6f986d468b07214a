// Placeholders so that plug-in code links while the window system is built.
#include "zvhost/HostPlatform.h"

extern "C" {

ControlHandle NewControl(GrafPtr, const Rect*, const unsigned char*, uint8_t, int16_t, int16_t,
                         int16_t, int16_t, intptr_t) {
  return nullptr;
}
void DisposeControl(ControlHandle) {}
void SetControlReference(ControlHandle, intptr_t) {}
intptr_t GetControlReference(ControlHandle) {
  return 0;
}
HWND ASI_ControlToHWND(ControlHandle) {
  return nullptr;
}
int32_t GetControl32BitValue(ControlHandle) {
  return 0;
}
void SetControl32BitValue(ControlHandle, int32_t) {}
int32_t GetControl32BitMinimum(ControlHandle) {
  return 0;
}
void SetControl32BitMinimum(ControlHandle, int32_t) {}
int32_t GetControl32BitMaximum(ControlHandle) {
  return 0;
}
void SetControl32BitMaximum(ControlHandle, int32_t) {}
int32_t GetControlViewSize(ControlHandle) {
  return 0;
}
void SetControlViewSize(ControlHandle, int32_t) {}
void HideControl(ControlHandle) {}
void ShowControl(ControlHandle) {}
void SizeControl(ControlHandle, int16_t, int16_t) {}
void MoveControl(ControlHandle, int16_t, int16_t) {}
void HiliteControl(ControlHandle, int16_t) {}
void Draw1Control(ControlHandle) {}
int16_t TrackControl(ControlHandle, Point, ControlActionProcPtr) {
  return 0;
}
int16_t FindControl(Point, GrafPtr, ControlHandle* which) {
  if (which)
    *which = nullptr;
  return 0;
}
int16_t FindWindo(Point, GrafPtr* window) {
  if (window)
    *window = nullptr;
  return 0;
}
uint8_t StillDown(void) {
  return 0;
}
void GetPort(GrafPtr* port) {
  if (port)
    *port = nullptr;
}
void SetPort(GrafPtr) {}
void CopyBits(GrafPtr, GrafPtr, const Rect*, const Rect*, int16_t, const void*) {}
int32_t SetPropW(HWND, const PA_Unichar*, void*) {
  return 0;
}
void* GetPropW(HWND, const PA_Unichar*) {
  return nullptr;
}
void* RemovePropW(HWND, const PA_Unichar*) {
  return nullptr;
}
intptr_t GetWindowLongPtrA(HWND, int32_t) {
  return 0;
}
intptr_t SetWindowLongPtrA(HWND, int32_t, intptr_t) {
  return 0;
}
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, uint32_t message, WPARAM wParam,
                        LPARAM lParam) {
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}
LRESULT DefWindowProcA(HWND, uint32_t, WPARAM, LPARAM) {
  return 0;
}
LRESULT SendMessageA(HWND, uint32_t, WPARAM, LPARAM) {
  return 0;
}
int32_t GetScrollInfo(HWND, int32_t, SCROLLINFO*) {
  return 0;
}
int32_t SetScrollInfo(HWND, int32_t, const SCROLLINFO*, int32_t) {
  return 0;
}
int32_t GetSystemMetrics(int32_t index) {
  return index == SM_CXVSCROLL ? 16 : 0;
}
int32_t GetCursorPos(POINT* point) {
  if (point)
    *point = POINT{0, 0};
  return point ? 1 : 0;
}
int32_t ScreenToClient(HWND, POINT*) {
  return 0;
}
int32_t ClientToScreen(HWND, POINT*) {
  return 0;
}
int32_t IsWindow(HWND) {
  return 0;
}
HWND GetParent(HWND) {
  return nullptr;
}
HWND GetProcessWindow(void) {
  return nullptr;
}
FDDeviceContext* GetWindowDC(HWND) {
  return nullptr;
}

} // extern "C"
