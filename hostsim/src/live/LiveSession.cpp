#include "LiveSession.h"

#include <chrono>

#include "../HostState.h"
#include "../Snapshot.h"
#include "../Utf.h"
#include "TipOverlay.h"

namespace zvhost::live {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t kTicksPerSecond = 60;

struct Session {
  LiveDisplay* display = nullptr;

  // The real time the tick clock has followed so far
  Clock::time_point clockStart;
  int64_t ticksCounted = 0;

  // What is on screen
  Clock::time_point lastPresent;
  const ZVCursor* cursorShown = nullptr;
  int32_t tipWindow = 0; // 0: no tip
  std::u16string tipText;
  int32_t tipX = 0;
  int32_t tipY = 0;
};

Session& Live() {
  static Session session;
  return session;
}

void Present(const Window& window) {
  Session& live = Live();
  std::vector<uint32_t> pixels = SnapshotPixels(window);
  if (live.tipWindow == window.number) {
    FDDeviceContext frame{window.context.fWidth, window.context.fHeight, window.context.fWidth * 4,
                          pixels.data()};
    DrawTip(frame, live.tipText, live.tipX, live.tipY);
  }
  live.display->Present(window.number, pixels.data(), window.context.fWidth,
                        window.context.fHeight);
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
  if (live.tipWindow == number) {
    HideTip();
  }
  live.display->CloseWindow(number);
}

void PresentWindows(bool now) {
  Session& live = Live();
  if (live.display == nullptr) {
    return;
  }
  const Clock::time_point time = Clock::now();
  if (!now && time - live.lastPresent < std::chrono::milliseconds(1000 / kTicksPerSecond)) {
    return;
  }
  live.lastPresent = time;
  for (const auto& window : Windows().All()) {
    Present(*window);
  }
  if (GetCursor() != live.cursorShown) {
    live.cursorShown = GetCursor();
    live.display->ShowCursor(live.cursorShown);
  }
}

void ShowTip(int32_t window, const std::u16string& text, int32_t x, int32_t y) {
  Session& live = Live();
  live.tipWindow = text.empty() ? 0 : window;
  live.tipText = text;
  live.tipX = x;
  live.tipY = y;
}

void HideTip() {
  Live().tipWindow = 0;
  Live().tipText.clear();
}

} // namespace zvhost::live

namespace zvhost {

void SetLiveDisplay(LiveDisplay* display) {
  live::Session& live = live::Live();
  live.display = display;
  live.clockStart = live::Clock::now();
  live.ticksCounted = 0;
  live.cursorShown = nullptr;
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
