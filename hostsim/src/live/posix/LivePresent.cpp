// The emulator's windows are pixel surfaces: each frame is composed (the surface, the emulated
// scroll bars and the tip over them) and sent to the display when it changed.
#include "../LivePresent.h"

#include <chrono>
#include <cstring>
#include <map>
#include <vector>

#include "../../Controls.h"
#include "../../HostState.h"
#include "../../Snapshot.h"
#include "../LiveSession.h"
#include "TipOverlay.h"

namespace zvhost::live {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t kFramesPerSecond = 60;

// What a window showed when it was last presented.
struct Shown {
  std::vector<uint32_t> surface;
  std::vector<BarLook> bars;
  Tip tip;
};

struct Screen {
  Clock::time_point lastPresent;
  const ZVCursor* cursorShown = nullptr;
  std::map<int32_t, Shown> shown; // by window number
};

Screen& OnScreen() {
  static Screen screen;
  return screen;
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
void PresentIfChanged(LiveDisplay& display, const Window& window) {
  const Tip tip = ShownTip().window == window.number ? ShownTip() : Tip{};
  std::vector<BarLook> bars = BarsOf(window);
  std::map<int32_t, Shown>& shownAll = OnScreen().shown;
  const auto found = shownAll.find(window.number);
  if (found != shownAll.end() && found->second.tip == tip && found->second.bars == bars &&
      SameSurface(found->second.surface, window.context)) {
    return;
  }
  Shown& shown = shownAll[window.number];
  shown.surface = SurfacePixels(window);
  shown.bars = std::move(bars);
  shown.tip = tip;
  std::vector<uint32_t> pixels = SnapshotPixels(window);
  if (!tip.text.empty()) {
    FDDeviceContext frame{window.context.fWidth, window.context.fHeight, window.context.fWidth * 4,
                          pixels.data()};
    DrawTip(frame, tip.text, tip.x, tip.y);
  }
  display.Present(window.number, pixels.data(), window.context.fWidth, window.context.fHeight);
}

} // namespace

void PresentWindows(bool now) {
  LiveDisplay* display = Display();
  if (display == nullptr) {
    return;
  }
  Screen& screen = OnScreen();
  const Clock::time_point time = Clock::now();
  if (!now && time - screen.lastPresent < std::chrono::milliseconds(1000 / kFramesPerSecond)) {
    return;
  }
  screen.lastPresent = time;
  for (const auto& window : Windows().All()) {
    PresentIfChanged(*display, *window);
  }
  if (GetCursor() != screen.cursorShown) {
    screen.cursorShown = GetCursor();
    display->ShowCursor(screen.cursorShown);
  }
}

void ForgetPresented(int32_t number) {
  Screen& screen = OnScreen();
  if (number != 0) {
    screen.shown.erase(number);
    return;
  }
  screen.shown.clear();
  screen.cursorShown = nullptr;
}

void ShowArrowCursor() {
  SetCursor(LoadStockCursor(kArrowCursor));
}

} // namespace zvhost::live
