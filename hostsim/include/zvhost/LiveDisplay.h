// The live display: the emulator's windows shown on a real desktop, and what a person does in them
// brought back as input. The emulator talks to the window system only through this interface, so
// that the headless emulator needs no display; zorvi-host --window hands it one.
#pragma once

#include <stdint.h>

#include <string>

#include "sdk/HostPlatform.h"

namespace zvhost {

// One thing a person did, in the terms of the scripted input commands.
struct LiveInput {
  // Leave: the pointer left the window.
  enum class Kind { MouseDown, MouseUp, Motion, Wheel, Key, Leave, Close, Quit };
  Kind kind = Kind::Motion;
  int32_t window = 0; // the emulator's window number; its coordinates below
  int32_t x = 0;      // may lie outside the window while the button is held
  int32_t y = 0;
  uint16_t modifiers = 0; // 0x100 command (the control key), 0x200 shift
  int32_t wheel = 0;      // notches, positive away from the person (up, or left)
  bool horizontal = false;
  int32_t keyCode = 0;   // as KEY DOWN takes them: 138 Home ... 145 Down; 0 for none
  int32_t character = 0; // 27 escape, or the letter typed with the command key
};

class LiveDisplay {
public:
  virtual ~LiveDisplay() = default;

  // Windows: a desktop window at the frame's place (screen coordinates), of its size and title.
  virtual void OpenWindow(int32_t number, const Rect& frame, const std::string& utf8Title) = 0;
  virtual void CloseWindow(int32_t number) = 0;
  // Premultiplied ARGB, rows top down, `width` apart.
  virtual void Present(int32_t number, const uint32_t* pixels, int32_t width, int32_t height) = 0;

  // Input: waits up to `waitMs` milliseconds for the next input; false when none came.
  virtual bool NextInput(LiveInput* input, int32_t waitMs) = 0;
  // Whether the window system holds the main button down now.
  virtual bool ButtonHeld() = 0;
#ifndef _WIN32
  // The cursor the plug-in set (a cursor of this host; see HostPlatform.h).
  virtual void ShowCursor(const ZVCursor* cursor) = 0;
#endif
};

// Hands the emulator a live display (null: headless, the default). The tick clock follows real
// time from then on. The display must outlive its use; set null before destroying it.
ZVHOST_API void SetLiveDisplay(LiveDisplay* display);

#ifdef _WIN32
// The display over the emulator's own windows, which are real on Windows: a person's input in
// them.
ZVHOST_API LiveDisplay& RealWindowsDisplay();
#endif

// The event loop a person drives: input to the areas, turns at least 30 times a second with
// sleeps for input between them, a window shown again only when its look changed, the keyboard
// focus on each window's first area that takes it; until the last window is closed. Same answers
// as RunMethod.
ZVHOST_API int RunLiveWindows(std::string* message = nullptr);

} // namespace zvhost
