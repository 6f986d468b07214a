// The native windows of the emulated window system: the process window, one per host window,
// and the scroll-bar child windows that back the compatibility layer's controls. A handle is
// the address of a record that is never freed nor reused, so a stale handle is simply unknown.
#pragma once

#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

#include "sdk/HostPlatform.h"

namespace zvhost {

struct Window;

namespace native {

enum class Kind { Process, Host, ScrollBar };

// A native scroll bar's own state, in the window system's terms.
struct ScrollState {
  int32_t min = 0;
  int32_t max = 0;
  uint32_t page = 0;
  int32_t pos = 0;
  int32_t trackPos = 0;
  bool tracking = false; // the thumb is being dragged
};

struct NativeWindow {
  Kind kind = Kind::Process;
  HWND handle = nullptr;
  HWND parent = nullptr;
  Window* host = nullptr;          // a host window's emulator window
  ControlHandle control = nullptr; // a scroll bar's control
  WNDPROC procedure = nullptr;
  std::vector<std::pair<std::u16string, void*>> props;
  ScrollState scroll;
};

// Registers the host window and answers its record (kWindowRecordSize bytes, open, inactive).
unsigned char* CreateHostWindow(Window* window);
// Destroys it with its children and marks its record closed.
void DestroyHostWindow(unsigned char* record);
HWND CreateScrollBarWindow(HWND parent, ControlHandle control);
void Destroy(HWND window); // and its children

// The process window outlives hosts; a fresh host gives it back its default procedure and drops
// its properties.
void ResetProcessWindow();

// Null for a handle that is not a live native window.
NativeWindow* Find(HWND window);
// Screen coordinates of the window's client origin; false for an unknown window.
bool ClientOrigin(HWND window, int32_t* x, int32_t* y);

// The emulator's mouse, in screen coordinates.
void SetMouse(int32_t x, int32_t y);

} // namespace native
} // namespace zvhost
