#include "RealDisplay.h"

#include <windowsx.h>

#include <algorithm>

#include "Forms.h"
#include "MouseInput.h"
#include "Surface.h"

namespace zvhost {

namespace {

constexpr int32_t kEscape = 27;

// Key codes as KEY DOWN takes them.
int32_t KeyCodeOf(WPARAM key) {
  switch (key) {
  case VK_HOME:
    return 138;
  case VK_END:
    return 139;
  case VK_PRIOR:
    return 140;
  case VK_NEXT:
    return 141;
  case VK_LEFT:
    return 142;
  case VK_RIGHT:
    return 143;
  case VK_UP:
    return 144;
  case VK_DOWN:
    return 145;
  default:
    return 0;
  }
}

// The control key stands for the command key, as on the host's own platform.
uint16_t ModifiersOfMouse(WPARAM keys) {
  uint16_t modifiers = 0;
  if ((keys & MK_CONTROL) != 0) {
    modifiers |= kFDCommandKeyMask;
  }
  if ((keys & MK_SHIFT) != 0) {
    modifiers |= kFDShiftKeyMask;
  }
  return modifiers;
}

// As the messages taken so far leave the keys.
uint16_t ModifiersOfKeys() {
  WPARAM keys = 0;
  if ((GetKeyState(VK_CONTROL) & 0x8000) != 0) {
    keys |= MK_CONTROL;
  }
  if ((GetKeyState(VK_SHIFT) & 0x8000) != 0) {
    keys |= MK_SHIFT;
  }
  return ModifiersOfMouse(keys);
}

// The emulator's window a native window is, or lies in (a bar of it); 0 for none.
int32_t NumberOf(HWND handle) {
  for (HWND h = handle; h != nullptr && h != ProcessWindow(); h = GetParent(h)) {
    if (const Window* window = WindowOfNativeHandle(h)) {
      return window->number;
    }
  }
  return 0;
}

// A message posted to a host window when a person asks it to close (see ProcessWindow.cpp).
bool IsCloseRequest(UINT message) {
  return message == WM_CLOSE || message == kHostCloseRequest;
}

} // namespace

// The windows are real and shown from their opening: the newest comes to the front with the
// keyboard.
void RealDisplay::OpenWindow(int32_t number, const Rect& /*frame*/,
                             const std::string& /*utf8Title*/) {
  const std::shared_ptr<Window> window = Windows().Find(number);
  if (!window || window->native == nullptr) {
    return;
  }
  ShowWindow(ProcessWindow(), SW_SHOW);
  SetForegroundWindow(ProcessWindow());
  SetFocus(window->native);
}

void RealDisplay::CloseWindow(int32_t /*number*/) {
  fMovedIn = nullptr;
}

void RealDisplay::Present(int32_t /*number*/, const uint32_t* /*pixels*/, int32_t /*width*/,
                          int32_t /*height*/) {}

bool RealDisplay::NextInput(LiveInput* input, int32_t waitMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(0, waitMs));
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        *input = LiveInput{};
        input->kind = LiveInput::Kind::Quit;
        return true;
      }
      if (Translate(message, input)) {
        return true;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) {
      return false;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

bool RealDisplay::ButtonHeld() {
  const int button = GetSystemMetrics(SM_SWAPBUTTON) != 0 ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(button) & 0x8000) != 0;
}

bool RealDisplay::Translate(const MSG& message, LiveInput* input) {
  *input = LiveInput{};
  switch (message.message) {
  case WM_MOUSEWHEEL:
  case WM_MOUSEHWHEEL:
    return TranslateWheel(message, input);
  case WM_KEYDOWN:
    return TranslateKey(message, input);
  default:
    break;
  }
  const Window* window = WindowOfNativeHandle(message.hwnd);
  if (window == nullptr) {
    return TranslateBarPress(message, input);
  }
  if (IsCloseRequest(message.message)) {
    input->kind = LiveInput::Kind::Close;
    input->window = window->number;
    return true;
  }
  return TranslateMouse(message, window->number, input);
}

bool RealDisplay::TranslateMouse(const MSG& message, int32_t number, LiveInput* input) {
  input->window = number;
  input->x = GET_X_LPARAM(message.lParam);
  input->y = GET_Y_LPARAM(message.lParam);
  input->modifiers = ModifiersOfMouse(message.wParam);
  switch (message.message) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    // Moves and the release outside the window still belong to the press.
    SetCapture(message.hwnd);
    SetFocus(message.hwnd);
    input->kind = LiveInput::Kind::MouseDown;
    return true;
  case WM_LBUTTONUP:
    if (GetCapture() == message.hwnd) {
      ReleaseCapture();
    }
    input->kind = LiveInput::Kind::MouseUp;
    return true;
  case WM_MOUSEMOVE: {
    if (message.hwnd == fMovedIn && message.lParam == fMovedTo) {
      return false;
    }
    if (message.hwnd != fMovedIn) {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, message.hwnd, 0};
      TrackMouseEvent(&leave);
    }
    fMovedIn = message.hwnd;
    fMovedTo = message.lParam;
    input->kind = LiveInput::Kind::Motion;
    return true;
  }
  case WM_MOUSELEAVE:
    fMovedIn = nullptr;
    input->kind = LiveInput::Kind::Leave;
    return true;
  default:
    return false;
  }
}

// A bar tracks its thumb itself, sending its window the scroll messages; a press on its arrows
// or its track is a press on the area under it, which tracks the control as the plug-in asks.
bool RealDisplay::TranslateBarPress(const MSG& message, LiveInput* input) {
  if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONDBLCLK) {
    return false;
  }
  HWND parent = GetParent(message.hwnd);
  const Window* window = WindowOfNativeHandle(parent);
  if (window == nullptr) {
    return false;
  }
  POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  MapWindowPoints(message.hwnd, parent, &point, 1);
  const int16_t x = static_cast<int16_t>(point.x);
  const int16_t y = static_cast<int16_t>(point.y);
  ThumbPress thumb;
  if (ThumbUnder(*window, x, y, &thumb)) {
    return false;
  }
  MSG pressed = message;
  pressed.hwnd = parent;
  pressed.lParam = MAKELPARAM(x, y);
  return TranslateMouse(pressed, window->number, input);
}

// A wheel turns what lies under the pointer, whichever window has the keyboard; its point comes
// in screen coordinates.
bool RealDisplay::TranslateWheel(const MSG& message, LiveInput* input) {
  const POINT screen{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  int32_t number = NumberOf(WindowFromPoint(screen));
  if (number == 0) {
    number = NumberOf(message.hwnd);
  }
  const std::shared_ptr<Window> window = Windows().Find(number);
  if (!window) {
    return false;
  }
  const bool horizontal = message.message == WM_MOUSEHWHEEL;
  int32_t& rest = fWheelRest[horizontal ? 1 : 0];
  rest += GET_WHEEL_DELTA_WPARAM(message.wParam);
  const int32_t notches = rest / WHEEL_DELTA;
  rest -= notches * WHEEL_DELTA;
  if (notches == 0) {
    return false;
  }
  POINT global = screen;
  ScreenToClient(ProcessWindow(), &global);
  input->kind = LiveInput::Kind::Wheel;
  input->window = number;
  input->x = global.x - window->frame.left;
  input->y = global.y - window->frame.top;
  input->modifiers = ModifiersOfMouse(GET_KEYSTATE_WPARAM(message.wParam));
  input->horizontal = horizontal;
  // Up is away from the person; a wheel tilted right turns the other way.
  input->wheel = horizontal ? -notches : notches;
  return true;
}

// Keys go to the window that has the keyboard, or to the front window when none of the
// emulator's has it.
bool RealDisplay::TranslateKey(const MSG& message, LiveInput* input) {
  input->kind = LiveInput::Kind::Key;
  input->window = NumberOf(message.hwnd);
  input->modifiers = ModifiersOfKeys();
  input->keyCode = KeyCodeOf(message.wParam);
  if (message.wParam == VK_ESCAPE) {
    input->character = kEscape;
  } else if ((input->modifiers & kFDCommandKeyMask) != 0 && message.wParam >= 'A' &&
             message.wParam <= 'Z') {
    input->character = static_cast<int32_t>(message.wParam - 'A' + 'a');
  }
  return input->keyCode != 0 || input->character != 0;
}

LiveDisplay& RealWindowsDisplay() {
  static RealDisplay display;
  return display;
}

} // namespace zvhost
