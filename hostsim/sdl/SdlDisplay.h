// The live display over SDL2: a desktop window per emulator window, the pixels uploaded to it,
// and the mouse, wheel and keys translated into the emulator's input.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

#include "zvhost/LiveDisplay.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace zvhost {

class SdlDisplay final : public LiveDisplay {
public:
  // Null, with the reason in `message`, when no display can be had.
  static std::unique_ptr<SdlDisplay> Open(std::string* message);
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  void OpenWindow(int32_t number, const Rect& frame, const std::string& utf8Title) override;
  void CloseWindow(int32_t number) override;
  void Present(int32_t number, const uint32_t* pixels, int32_t width, int32_t height) override;
  bool NextInput(LiveInput* input, int32_t waitMs) override;
  bool ButtonHeld() override;
  void ShowCursor(const ZVCursor* cursor) override;

private:
  SdlDisplay() = default;

  struct Shown {
    int32_t number = 0;
    SDL_Window* window = nullptr;
  };

  // The emulator's number of an SDL window id; 0 for none of ours.
  int32_t NumberOf(uint32_t windowID) const;
  SDL_Window* WindowOf(int32_t number) const;
  bool Translate(const SDL_Event& event, LiveInput* input);

  // Desktop windows
  std::vector<Shown> fWindows;

  // The modifier keys as the key events taken so far leave them: the window system's own state
  // may already be ahead of the mouse events still queued.
  uint16_t fModifiers = 0;

  // The cursor shown, made from the plug-in's
  SDL_Cursor* fCursor = nullptr;
};

} // namespace zvhost
