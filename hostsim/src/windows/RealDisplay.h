// The live display over the emulator's real windows: they are shown and drawn already, so what is
// left is a person's input in them, read from the window system's message queue. Messages of
// other windows (paints, the bars' own) are dispatched as usual, so a real bar tracks its thumb
// itself and tells the procedure installed on its window.
#pragma once

#include "RealWindows.h"
#include "zvhost/LiveDisplay.h"

namespace zvhost {

class RealDisplay final : public LiveDisplay {
public:
  void OpenWindow(int32_t number, const Rect& frame, const std::string& utf8Title) override;
  void CloseWindow(int32_t number) override;
  void Present(int32_t number, const uint32_t* pixels, int32_t width, int32_t height) override;
  bool NextInput(LiveInput* input, int32_t waitMs) override;
  bool ButtonHeld() override;

private:
  // A message to one of the emulator's windows as input; false for any other.
  bool Translate(const MSG& message, LiveInput* input);
  bool TranslateBarPress(const MSG& message, LiveInput* input);
  bool TranslateMouse(const MSG& message, int32_t number, LiveInput* input);
  bool TranslateWheel(const MSG& message, LiveInput* input);
  bool TranslateKey(const MSG& message, LiveInput* input);

  // The last move reported, so that the window system's repeats of it are dropped.
  HWND fMovedIn = nullptr;
  LPARAM fMovedTo = 0;
  // What is left of a smooth wheel's turns below a notch, vertical and horizontal
  int32_t fWheelRest[2] = {0, 0};
};

} // namespace zvhost
