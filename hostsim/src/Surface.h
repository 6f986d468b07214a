// What a host window shows and where drawing goes: an emulated pixel surface on Linux, the real
// window and its device context on Windows. The rest of the emulator reaches a window's pixels
// only through these.
#pragma once

#include <stdint.h>

#include <vector>

#include "Forms.h"

namespace zvhost {

// Makes the window's surface, white, and its native window; false when it cannot be had.
bool CreateSurface(Window& window);
// Destroys the native window with its children; the record stays, marked closed.
void DestroySurface(Window& window);

// The device context the plug-in draws on in the window's events.
FDDeviceContext* SurfaceContext(Window& window);
// Paints the form's white background over `rect` (window coordinates, clipped to the window).
void EraseSurfaceRect(Window& window, const Rect& rect);
// Pixel for pixel from the top-left corners; what falls outside either window is left out.
void CopySurfacePixels(const Window& from, Window& to, const Rect& fromRect, const Rect& toRect);

// The native window of a host window pointer, and back; null for anything else.
HWND NativeHandleOf(const void* hostPointer);
Window* WindowOfNativeHandle(const void* handle);

int32_t SurfaceWidth(const Window& window);
int32_t SurfaceHeight(const Window& window);

} // namespace zvhost
