#include "platform/win/WindowSurface.h"

#include <new>

WindowSurface::WindowSurface(HWND window)
    : fWindow(window), fDC(window != nullptr ? ::GetDC(window) : nullptr) {
  if (fDC == nullptr) {
    return;
  }
  fGraphics.reset(new (std::nothrow) gfx::Graphics(fDC));
  if (fGraphics != nullptr && fGraphics->GetLastStatus() != gfx::Status::Ok) {
    fGraphics.reset();
  }
}

WindowSurface::~WindowSurface() {
  // What was drawn reaches the window before its context goes back.
  fGraphics.reset();
  if (fDC != nullptr) {
    ReleaseDC(fWindow, fDC);
  }
}

bool WindowSurface::GetClientSize(HWND window, int32_t* width, int32_t* height) {
  RECT client{};
  if (window == nullptr || GetClientRect(window, &client) == 0) {
    return false;
  }
  *width = static_cast<int32_t>(client.right - client.left);
  *height = static_cast<int32_t>(client.bottom - client.top);
  return true;
}
