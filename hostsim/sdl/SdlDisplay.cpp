#include "SdlDisplay.h"

#include <algorithm>
#include <cstdlib>

#include <SDL.h>

namespace zvhost {

namespace {

// Key codes as KEY DOWN takes them.
int32_t KeyCodeOf(SDL_Keycode key) {
  switch (key) {
  case SDLK_HOME:
    return 138;
  case SDLK_END:
    return 139;
  case SDLK_PAGEUP:
    return 140;
  case SDLK_PAGEDOWN:
    return 141;
  case SDLK_LEFT:
    return 142;
  case SDLK_RIGHT:
    return 143;
  case SDLK_UP:
    return 144;
  case SDLK_DOWN:
    return 145;
  default:
    return 0;
  }
}

constexpr int32_t kEscape = 27;

// The control key stands for the command key, as on the host's own platform.
uint16_t Modifiers(uint16_t keyMod) {
  uint16_t modifiers = 0;
  if ((keyMod & KMOD_CTRL) != 0) {
    modifiers |= kFDCommandKeyMask;
  }
  if ((keyMod & KMOD_SHIFT) != 0) {
    modifiers |= kFDShiftKeyMask;
  }
  return modifiers;
}

// A desktop to show windows on: without one named, SDL would fall back on the console's own
// video devices, which are no desktop a person sees the windows on.
bool HasDesktop() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != 0) {
      return true;
    }
  }
  return false;
}

} // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::Open(std::string* message) {
  constexpr const char* kHint = "set DISPLAY, or run under xvfb-run";
  if (!HasDesktop()) {
    *message = std::string("no display for the live windows: ") + kHint;
    return nullptr;
  }
  // The first click in a window that is not in front is a click, as on the host's platform.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The emulator closes windows itself, one at a time.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    *message = std::string("no display for the live windows (") + SDL_GetError() + "): " + kHint;
    return nullptr;
  }
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (std::getenv("SDL_VIDEODRIVER") == nullptr && driver != "x11" && driver != "wayland") {
    *message = "no display for the live windows (only " + driver + "): " + kHint;
    return nullptr;
  }
  return std::unique_ptr<SdlDisplay>(new SdlDisplay());
}

SdlDisplay::~SdlDisplay() {
  for (const Shown& shown : fWindows) {
    SDL_DestroyWindow(shown.window);
  }
  if (fCursor != nullptr) {
    SDL_FreeCursor(fCursor);
  }
  // No SDL_Quit: the process ends right after, and it would unload the window system's libraries
  // SDL opened, whose process-wide state would then show as leaks of no known library.
}

int32_t SdlDisplay::NumberOf(uint32_t windowID) const {
  for (const Shown& shown : fWindows) {
    if (SDL_GetWindowID(shown.window) == windowID) {
      return shown.number;
    }
  }
  return 0;
}

SDL_Window* SdlDisplay::WindowOf(int32_t number) const {
  for (const Shown& shown : fWindows) {
    if (shown.number == number) {
      return shown.window;
    }
  }
  return nullptr;
}

void SdlDisplay::OpenWindow(int32_t number, const Rect& frame, const std::string& utf8Title) {
  SDL_Window* window =
      SDL_CreateWindow(utf8Title.c_str(), frame.left, frame.top, frame.right - frame.left,
                       frame.bottom - frame.top, SDL_WINDOW_SHOWN);
  if (window == nullptr) {
    return; // the window goes on headless
  }
  fWindows.push_back(Shown{number, window});
  SDL_RaiseWindow(window);
}

void SdlDisplay::CloseWindow(int32_t number) {
  auto it = std::find_if(fWindows.begin(), fWindows.end(),
                         [number](const Shown& shown) { return shown.number == number; });
  if (it != fWindows.end()) {
    SDL_DestroyWindow(it->window);
    fWindows.erase(it);
  }
}

void SdlDisplay::Present(int32_t number, const uint32_t* pixels, int32_t width, int32_t height) {
  SDL_Window* window = WindowOf(number);
  SDL_Surface* target = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
  if (target == nullptr) {
    return;
  }
  // Every pixel of a window's surface is opaque: premultiplied and straight colours agree.
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (source == nullptr) {
    return;
  }
  SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
  SDL_BlitSurface(source, nullptr, target, nullptr);
  SDL_FreeSurface(source);
  SDL_UpdateWindowSurface(window);
}

bool SdlDisplay::Translate(const SDL_Event& event, LiveInput* input) {
  *input = LiveInput{};
  switch (event.type) {
  case SDL_MOUSEBUTTONDOWN:
  case SDL_MOUSEBUTTONUP:
    if (event.button.button != SDL_BUTTON_LEFT) {
      return false;
    }
    input->kind =
        event.type == SDL_MOUSEBUTTONDOWN ? LiveInput::Kind::MouseDown : LiveInput::Kind::MouseUp;
    input->window = NumberOf(event.button.windowID);
    input->x = event.button.x;
    input->y = event.button.y;
    input->modifiers = fModifiers;
    return input->window != 0;
  case SDL_MOUSEMOTION:
    input->kind = LiveInput::Kind::Motion;
    input->window = NumberOf(event.motion.windowID);
    input->x = event.motion.x;
    input->y = event.motion.y;
    return input->window != 0;
  case SDL_MOUSEWHEEL: {
    const int32_t flip = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
    input->kind = LiveInput::Kind::Wheel;
    input->window = NumberOf(event.wheel.windowID);
    SDL_GetMouseState(&input->x, &input->y);
    input->modifiers = fModifiers;
    // Up and left are positive; the wheel tilted right scrolls right.
    input->horizontal = event.wheel.y == 0 && event.wheel.x != 0;
    input->wheel = flip * (input->horizontal ? -event.wheel.x : event.wheel.y);
    return input->window != 0;
  }
  case SDL_KEYUP:
    fModifiers = Modifiers(event.key.keysym.mod);
    return false;
  case SDL_KEYDOWN: {
    fModifiers = Modifiers(event.key.keysym.mod);
    const SDL_Keycode key = event.key.keysym.sym;
    input->kind = LiveInput::Kind::Key;
    input->window = NumberOf(event.key.windowID);
    input->modifiers = Modifiers(event.key.keysym.mod);
    input->keyCode = KeyCodeOf(key);
    if (key == SDLK_ESCAPE) {
      input->character = kEscape;
    } else if ((input->modifiers & kFDCommandKeyMask) != 0 && key >= SDLK_a && key <= SDLK_z) {
      input->character = static_cast<int32_t>(key);
    }
    return input->keyCode != 0 || input->character != 0;
  }
  case SDL_WINDOWEVENT:
    if (event.window.event != SDL_WINDOWEVENT_CLOSE &&
        event.window.event != SDL_WINDOWEVENT_LEAVE) {
      return false;
    }
    input->kind = event.window.event == SDL_WINDOWEVENT_CLOSE ? LiveInput::Kind::Close
                                                              : LiveInput::Kind::Leave;
    input->window = NumberOf(event.window.windowID);
    return input->window != 0;
  case SDL_QUIT:
    input->kind = LiveInput::Kind::Quit;
    return true;
  default:
    return false;
  }
}

bool SdlDisplay::NextInput(LiveInput* input, int32_t waitMs) {
  const uint32_t deadline = SDL_GetTicks() + static_cast<uint32_t>(std::max(0, waitMs));
  SDL_Event event;
  for (;;) {
    const auto left = static_cast<int32_t>(deadline - SDL_GetTicks());
    const int got = left > 0 ? SDL_WaitEventTimeout(&event, left) : SDL_PollEvent(&event);
    if (got == 0) {
      return false;
    }
    if (Translate(event, input)) {
      return true;
    }
  }
}

bool SdlDisplay::ButtonHeld() {
  SDL_PumpEvents();
  return (SDL_GetGlobalMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
}

void SdlDisplay::ShowCursor(const ZVCursor* cursor) {
  ZVCursorInfo info{};
  if (GetCursorInfo(cursor, &info) == 0) {
    return;
  }
  SDL_Cursor* made = nullptr;
  if (info.fStock == kSizeAllCursor) {
    made = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEALL);
  } else if (info.fStock != 0) {
    made = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  } else {
    std::vector<uint32_t> pixels(static_cast<size_t>(info.fWidth) * info.fHeight);
    for (int32_t y = 0; y < info.fHeight; ++y) {
      for (int32_t x = 0; x < info.fWidth; ++x) {
        pixels[static_cast<size_t>(y) * info.fWidth + x] = GetCursorPixel(cursor, x, y);
      }
    }
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), info.fWidth, info.fHeight, 32, info.fWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (image != nullptr) {
      made = SDL_CreateColorCursor(image, info.fHotX, info.fHotY);
      SDL_FreeSurface(image);
    }
  }
  if (made == nullptr) {
    return;
  }
  SDL_SetCursor(made);
  if (fCursor != nullptr) {
    SDL_FreeCursor(fCursor);
  }
  fCursor = made;
}

} // namespace zvhost
