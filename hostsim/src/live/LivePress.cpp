#include "LivePress.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "../AreaEvents.h"
#include "../HostDrag.h"
#include "../HostState.h"
#include "../MouseInput.h"
#include "../WindowSystem.h"
#include "LivePresent.h"
#include "LiveSession.h"

namespace zvhost::live {

namespace {

// How long a poll waits for input before it looks at the button itself.
constexpr int32_t kPollWaitMs = 4;

struct Press {
  bool playing = false;
  bool released = false;
  std::vector<LiveInput> deferred;

  // A press whose mouse down returned with the button still held
  std::weak_ptr<PluginArea> heldArea;
  int32_t heldWindow = 0;
  uint16_t heldModifiers = 0;
};

Press& Current() {
  static Press press;
  return press;
}

// The press is played while it lives; keys typed during it do not outlast it.
class PlayingScope {
public:
  PlayingScope() {
    Current().playing = true;
    Current().released = false;
  }
  ~PlayingScope() {
    Current().playing = false;
    std::erase_if(State().fPostedKeys, [](const HostState::PostedKey& key) { return key.live; });
  }
  PlayingScope(const PlayingScope&) = delete;
  PlayingScope& operator=(const PlayingScope&) = delete;
};

void QueueKey(const LiveInput& input) {
  SyncClock();
  State().fPostedKeys.push_back(
      HostState::PostedKey{State().fTicks, (input.keyCode << 8) | input.character, true});
}

int16_t PointerX(const Window& window) {
  return ClampToShort(State().fMouseX - window.frame.left);
}

int16_t PointerY(const Window& window) {
  return ClampToShort(State().fMouseY - window.frame.top);
}

// The bar follows the pointer until the release.
void TrackThumbLive(int32_t windowNumber, const ThumbPress& thumb) {
  while (PollPress()) {
    const std::shared_ptr<Window> window = Windows().Find(windowNumber);
    if (!window) {
      return;
    }
    TrackThumbTo(thumb, PointerX(*window), PointerY(*window), false);
    PresentWindows(false);
  }
  if (const std::shared_ptr<Window> window = Windows().Find(windowNumber)) {
    TrackThumbTo(thumb, PointerX(*window), PointerY(*window), true);
  }
}

} // namespace

int16_t ClampToShort(int32_t value) {
  return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

bool MovePointer(const LiveInput& input) {
  const std::shared_ptr<Window> window = Windows().Find(input.window);
  if (!window) {
    return false;
  }
  MoveMouseTo(window->frame.left + input.x, window->frame.top + input.y);
  return true;
}

bool Pressing() {
  return Current().playing;
}

bool PollPress() {
  Press& press = Current();
  if (press.released || Display() == nullptr) {
    return false;
  }
  SyncClock();
  PresentWindows(false);
  LiveInput input;
  while (Display()->NextInput(&input, kPollWaitMs)) {
    switch (input.kind) {
    case LiveInput::Kind::Motion:
      MovePointer(input);
      return true;
    case LiveInput::Kind::MouseUp:
      MovePointer(input);
      press.released = true;
      return false;
    case LiveInput::Kind::Key:
      QueueKey(input);
      break;
    default:
      press.deferred.push_back(input);
      break;
    }
  }
  // A release the window system did not report (the pointer let go outside every window).
  if (!Display()->ButtonHeld()) {
    press.released = true;
    return false;
  }
  return true;
}

std::vector<LiveInput> TakeDeferred() {
  return std::exchange(Current().deferred, {});
}

bool Held() {
  return !Current().heldArea.expired();
}

void PressAt(const LiveInput& input) {
  const std::shared_ptr<Window> window = Windows().Find(input.window);
  if (!window) {
    return;
  }
  HideTip();
  Current().heldArea.reset();
  const int16_t x = ClampToShort(input.x);
  const int16_t y = ClampToShort(input.y);
  MovePointer(input);
  const PlayingScope playing;
  ThumbPress thumb;
  if (ThumbUnder(*window, x, y, &thumb)) {
    TrackThumbLive(window->number, thumb);
    return;
  }
  const std::shared_ptr<PluginArea> target = AreaAt(*window, x, y);
  if (!target) {
    return;
  }
  FocusOnClick(window, target);
  if (target->window == nullptr) {
    return;
  }
  SendMouseEvent(target, kAreaMouseDown, x, y, input.modifiers);
  if (RunPendingHostDrag() || target->window == nullptr) {
    return;
  }
  if (Current().released) {
    SendMouseEvent(target, kAreaMouseUp, PointerX(*window), PointerY(*window), input.modifiers);
    return;
  }
  Current().heldArea = target;
  Current().heldWindow = window->number;
  Current().heldModifiers = input.modifiers;
}

void ReleaseAt(const LiveInput& input) {
  const std::shared_ptr<PluginArea> area = Current().heldArea.lock();
  Current().heldArea.reset();
  const std::shared_ptr<Window> window = Windows().Find(Current().heldWindow);
  if (!area || area->window == nullptr || !window) {
    return;
  }
  MovePointer(input);
  SendMouseEvent(area, kAreaMouseUp, PointerX(*window), PointerY(*window), Current().heldModifiers);
}

} // namespace zvhost::live
