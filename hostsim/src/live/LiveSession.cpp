#include "LiveSession.h"

#include <chrono>
#include <cstring>
#include <map>

#include "../Controls.h"
#include "../HostState.h"
#include "../Snapshot.h"
#include "../Utf.h"
#include "TipOverlay.h"

namespace zvhost::live {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t kTicksPerSecond = 60;
// As desktops wait before they show a tip.
constexpr auto kTipRest = std::chrono::milliseconds(500);

struct Tip {
  int32_t window = 0; // 0: none
  std::u16string text;
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const Tip&) const = default;
};

// What a window showed when it was last presented.
struct Shown {
  std::vector<uint32_t> surface;
  std::vector<BarLook> bars;
  Tip tip;
};

struct Session {
  LiveDisplay* display = nullptr;

  // The real time the tick clock has followed so far
  Clock::time_point clockStart;
  int64_t ticksCounted = 0;

  // What is on screen
  Clock::time_point lastPresent;
  const ZVCursor* cursorShown = nullptr;
  std::map<int32_t, Shown> shown; // by window number
  Tip tip;

  // The tip that waits for the pointer to rest
  Tip offered;
  Clock::time_point offeredAt;
};

Session& Live() {
  static Session session;
  return session;
}

std::vector<BarLook> BarsOf(const Window& window) {
  std::vector<BarLook> bars;
  for (const Control* control : ShownControlsOf(&window)) {
    BarLook look;
    if (NativeBarLook(*control, &look)) {
      bars.push_back(look);
    }
  }
  return bars;
}

bool SameSurface(const std::vector<uint32_t>& shown, const FDDeviceContext& surface) {
  const auto rowPixels = static_cast<size_t>(surface.fWidth);
  if (shown.size() != rowPixels * static_cast<size_t>(surface.fHeight)) {
    return false;
  }
  for (int32_t y = 0; y < surface.fHeight; ++y) {
    const uint32_t* row = surface.fPixels + static_cast<size_t>(y) * (surface.fRowBytes / 4);
    if (std::memcmp(row, shown.data() + static_cast<size_t>(y) * rowPixels,
                    rowPixels * sizeof(uint32_t)) != 0) {
      return false;
    }
  }
  return true;
}

// Sends the window to the display when its look changed since it was last sent: an idle window
// costs a comparison, not a frame.
void PresentIfChanged(const Window& window) {
  Session& live = Live();
  const Tip tip = live.tip.window == window.number ? live.tip : Tip{};
  std::vector<BarLook> bars = BarsOf(window);
  const auto found = live.shown.find(window.number);
  if (found != live.shown.end() && found->second.tip == tip && found->second.bars == bars &&
      SameSurface(found->second.surface, window.context)) {
    return;
  }
  Shown& shown = live.shown[window.number];
  shown.surface = SurfacePixels(window);
  shown.bars = std::move(bars);
  shown.tip = tip;
  std::vector<uint32_t> pixels = SnapshotPixels(window);
  if (!tip.text.empty()) {
    FDDeviceContext frame{window.context.fWidth, window.context.fHeight, window.context.fWidth * 4,
                          pixels.data()};
    DrawTip(frame, tip.text, tip.x, tip.y);
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
  if (live.tip.window == number || live.offered.window == number) {
    HideTip();
  }
  live.shown.erase(number);
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
    PresentIfChanged(*window);
  }
  if (GetCursor() != live.cursorShown) {
    live.cursorShown = GetCursor();
    live.display->ShowCursor(live.cursorShown);
  }
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
  live.cursorShown = nullptr;
  live.shown.clear();
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
