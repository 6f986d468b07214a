#include "LiveLoop.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "../AreaEvents.h"
#include "../HostState.h"
#include "../MouseInput.h"
#include "../lang/Abort.h"
#include "LivePresent.h"
#include "LivePress.h"
#include "LiveSession.h"

namespace zvhost::live {

namespace {

using Clock = std::chrono::steady_clock;

// Turns of the event loop come this often (a little over 30 a second), so that a caret blinks
// and posted drops arrive; between them the loop sleeps until input comes.
constexpr auto kTurnInterval = std::chrono::milliseconds(30);
// What one wheel notch tells the area (only its sign matters to it).
constexpr int16_t kWheelNotch = 120;
constexpr int32_t kMostWheelNotches = 50;
constexpr int32_t kKeyA = 'a';

// Cursor events follow the pointer while no button is held; a tip the area asks for during one
// waits for the pointer to rest there.
void MoveAtPointer(const LiveInput& input) {
  const std::shared_ptr<Window> window = Windows().Find(input.window);
  if (!window) {
    return;
  }
  if (Held()) {
    MovePointer(input);
    return;
  }
  const uint32_t tipsBefore = State().fTipRequests;
  const int16_t x = ClampToShort(input.x);
  const int16_t y = ClampToShort(input.y);
  if (!MoveAt(window, x, y)) {
    HideTip();
    ShowArrowCursor();
    return;
  }
  if (State().fTipRequests != tipsBefore && Windows().Find(input.window) == window) {
    OfferTip(window->number, window->tip, x, y);
  } else {
    HideTip();
  }
}

void WheelAtPointer(const LiveInput& input) {
  if (input.wheel == 0) {
    return;
  }
  HideTip();
  constexpr uint16_t kShift = kFDShiftKeyMask;
  const uint16_t modifiers =
      static_cast<uint16_t>(input.modifiers | (input.horizontal ? kShift : 0));
  // Areas step once per wheel event whatever its delta, so a flick of several notches comes as
  // one event per notch; a flick past any reason is cut short.
  const auto notches =
      static_cast<int32_t>(std::min<int64_t>(std::abs(int64_t{input.wheel}), kMostWheelNotches));
  const int16_t delta = input.wheel > 0 ? kWheelNotch : -kWheelNotch;
  for (int32_t i = 0; i < notches; ++i) {
    // Code run by an area may close the window between two notches.
    const std::shared_ptr<Window> window = Windows().Find(input.window);
    if (!window) {
      return;
    }
    WheelAt(window, ClampToShort(input.x), ClampToShort(input.y), delta, modifiers);
  }
}

void KeyInWindow(const LiveInput& input) {
  std::shared_ptr<Window> window = Windows().Find(input.window);
  if (!window) {
    // Keys go to the front window when the window system names none.
    const auto all = Windows().All();
    if (all.empty()) {
      return;
    }
    window = all.back();
  }
  HideTip();
  const bool command = (input.modifiers & kFDCommandKeyMask) != 0;
  if (command && (input.character | 0x20) == kKeyA) {
    SelectAllInFocus(window);
  } else if (input.keyCode != 0 || input.character != 0) {
    KeyToFocus(window, input.keyCode, input.character, input.modifiers);
  }
}

// A window opens with the keyboard focus on its first area that takes it, so that keys work
// before any click.
void FocusOpenedWindows() {
  for (const auto& window : Windows().All()) {
    if (!window->focusOffered) {
      window->focusOffered = true;
      FocusFirstArea(window);
    }
  }
  lang::ThrowIfAborted();
}

} // namespace

void Handle(const LiveInput& input) {
  switch (input.kind) {
  case LiveInput::Kind::MouseDown:
    HideTip();
    PressAt(input);
    break;
  case LiveInput::Kind::MouseUp:
    ReleaseAt(input);
    break;
  case LiveInput::Kind::Motion:
    MoveAtPointer(input);
    break;
  case LiveInput::Kind::Wheel:
    WheelAtPointer(input);
    break;
  case LiveInput::Kind::Key:
    KeyInWindow(input);
    break;
  case LiveInput::Kind::Leave:
    HideTip();
    break;
  case LiveInput::Kind::Close:
    if (const std::shared_ptr<Window> window = Windows().Find(input.window)) {
      CloseWindow(window);
    }
    break;
  case LiveInput::Kind::Quit:
    CloseEveryWindow();
    break;
  }
  lang::ThrowIfAborted();
}

void RunLoop() {
  LiveDisplay* display = Display();
  if (display == nullptr) {
    return;
  }
  PresentWindows(true);
  Clock::time_point nextTurn = Clock::now();
  while (!Windows().All().empty()) {
    FocusOpenedWindows();
    for (const LiveInput& waiting : TakeDeferred()) {
      Handle(waiting);
    }
    // Rounded up: a wait cut short would leave a spin of polls before the turn is due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
        std::min(nextTurn, RestingTipDue()) - Clock::now());
    LiveInput input;
    if (display->NextInput(&input, static_cast<int32_t>(std::max<int64_t>(0, wait.count())))) {
      Handle(input);
      PresentWindows(false);
    }
    if (Clock::now() >= RestingTipDue()) {
      ShowRestingTip();
      PresentWindows(true);
    }
    if (Clock::now() >= nextTurn && !Windows().All().empty()) {
      EventLoopTurn();
      lang::ThrowIfAborted();
      nextTurn = Clock::now() + kTurnInterval;
    }
  }
}

} // namespace zvhost::live
