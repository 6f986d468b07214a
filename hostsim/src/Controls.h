// The compatibility layer's controls: scroll bars owned by host windows, each backed by a
// native scroll-bar child window whose scroll info mirrors the control.
#pragma once

#include <stdint.h>

#include <vector>

#ifndef _WIN32
#include "ScrollBarLook.h"
#endif
#include "sdk/HostPlatform.h"

namespace zvhost {

struct Window;

struct Control {
  ControlRecord record{};
  ControlHandle handle = nullptr;
  Window* owner = nullptr;
  HWND native = nullptr;
  int32_t value = 0;
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t viewSize = 0;
  intptr_t reference = 0;
};

// Null for a handle this host did not hand out or has disposed of.
Control* FindControlRecord(ControlHandle handle);
// The controls of a window go with it.
void DisposeControlsOf(const Window* window);
#ifndef _WIN32
// The look of a shown control's emulated bar as a person sees it; false when it is not shown.
bool NativeBarLook(const Control& control, BarLook* look);
#endif
// Every shown control of the window, topmost last.
std::vector<Control*> ShownControlsOf(const Window* window);
// The topmost shown control of the window whose rectangle holds the point; null when none.
Control* ShownControlAt(const Window* window, int16_t x, int16_t y);

} // namespace zvhost
