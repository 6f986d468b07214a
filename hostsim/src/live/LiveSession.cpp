#include "LiveSession.h"

#include <chrono>

#include "../HostState.h"
#include "../Utf.h"
#include "LivePresent.h"

namespace zvhost::live {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t kTicksPerSecond = 60;
// As desktops wait before they show a tip.
constexpr auto kTipRest = std::chrono::milliseconds(500);

struct Session {
  LiveDisplay* display = nullptr;

  // The real time the tick clock has followed so far
  Clock::time_point clockStart;
  int64_t ticksCounted = 0;

  // The tip on screen
  Tip tip;

  // The tip that waits for the pointer to rest
  Tip offered;
  Clock::time_point offeredAt;
};

Session& Live() {
  static Session session;
  return session;
}

} // namespace

LiveDisplay* Display() {
  return Live().display;
}

void SyncClock() {
  Session& live = Live();
  if (live.display == nullptr) {
    return;
  }
  const auto elapsed = Clock::now() - live.clockStart;
  const int64_t ticks = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() *
                        kTicksPerSecond / 1000;
  // Scripted ticks (ADVANCE TICKS, polls of a scripted press) add to real time, never undo it.
  State().fTicks += static_cast<uint32_t>(ticks - live.ticksCounted);
  live.ticksCounted = ticks;
}

void WindowOpened(const Window& window) {
  if (LiveDisplay* display = Display()) {
    display->OpenWindow(window.number, window.frame, Utf16ToUtf8(window.title));
  }
}

void WindowClosed(int32_t number) {
  Session& live = Live();
  if (live.display == nullptr) {
    return;
  }
  if (live.tip.window == number || live.offered.window == number) {
    HideTip();
  }
  ForgetPresented(number);
  live.display->CloseWindow(number);
}

void OfferTip(int32_t window, const std::u16string& text, int32_t x, int32_t y) {
  Session& live = Live();
  HideTip();
  if (!text.empty()) {
    live.offered = Tip{window, text, x, y};
    live.offeredAt = Clock::now();
  }
}

void HideTip() {
  Live().tip = Tip{};
  Live().offered = Tip{};
}

void ShowRestingTip() {
  Session& live = Live();
  if (live.offered.window != 0 && Clock::now() >= RestingTipDue()) {
    live.tip = live.offered;
    live.offered = Tip{};
  }
}

const Tip& ShownTip() {
  return Live().tip;
}

Clock::time_point RestingTipDue() {
  const Session& live = Live();
  return live.offered.window != 0 ? live.offeredAt + kTipRest : Clock::time_point::max();
}

} // namespace zvhost::live

namespace zvhost {

void SetLiveDisplay(LiveDisplay* display) {
  live::Session& live = live::Live();
  live.display = display;
  live.clockStart = live::Clock::now();
  live.ticksCounted = 0;
  live::ForgetPresented(0);
  live::HideTip();
  if (display == nullptr) {
    return;
  }
  // Windows already open are shown from now on.
  for (const auto& window : Windows().All()) {
    live::WindowOpened(*window);
  }
}

} // namespace zvhost
