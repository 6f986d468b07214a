// Drawing on a host window's client area outside an update: its device context is taken from the
// window system for as long as the surface lives, then given back.
#pragma once

#include <stdint.h>

#include <memory>

#include "gfx/Graphics.h"
#include "sdk/HostPlatform.h"

class WindowSurface {
public:
  explicit WindowSurface(HWND window);
  ~WindowSurface();
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  // Null when the window has no device context or no graphics could be made on it.
  FDDeviceContext* GetDC() const { return fDC; }
  gfx::Graphics* GetGraphics() const { return fGraphics.get(); }

  // The client area's size; false when `window` is not a window with one.
  static bool GetClientSize(HWND window, int32_t* width, int32_t* height);

private:
  HWND fWindow;
  FDDeviceContext* fDC;
  std::unique_ptr<gfx::Graphics> fGraphics;
};
