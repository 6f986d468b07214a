// Live windows on a display that plays a person's input from a list: windows shown and closed,
// a press played one move per poll with keys queued for the host, the release, and the loop that
// ends with the last window.
#include <chrono>
#include <deque>
#include <thread>

#include "FakeArea.h"
#include "zvhost/LiveDisplay.h"

namespace {

using namespace hosttest;
using fakearea::Get;
using Kind = zvhost::LiveInput::Kind;

class ScriptedDisplay : public zvhost::LiveDisplay {
public:
  void OpenWindow(int32_t number, const Rect& frame, const std::string& title) override {
    opened.push_back(std::to_string(number) + " " + std::to_string(frame.left) + "," +
                     std::to_string(frame.top) + " " + title);
  }
  void CloseWindow(int32_t number) override { closed.push_back(number); }
  void Present(int32_t, const uint32_t*, int32_t width, int32_t height) override {
    ++presents;
    presentedSize = width * 10000 + height;
  }
  bool NextInput(zvhost::LiveInput* input, int32_t waitMs) override {
    if (inputs.empty() && quietWaits > 0) {
      // A person who does nothing: the loop sleeps out its wait, and the window closes after.
      std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
      if (--quietWaits == 0) {
        inputs.push_back(zvhost::LiveInput{zvhost::LiveInput::Kind::Close, 1});
      }
      return false;
    }
    if (inputs.empty()) {
      return false;
    }
    *input = inputs.front();
    inputs.pop_front();
    return true;
  }
  bool ButtonHeld() override { return !inputs.empty(); }
  void ShowCursor(const ZVCursor*) override {}

  std::deque<zvhost::LiveInput> inputs;
  std::vector<std::string> opened;
  std::vector<int32_t> closed;
  int presents = 0;
  int32_t presentedSize = 0;
  int quietWaits = 0; // once the inputs are spent, waits without input before window 1 closes
};

zvhost::LiveInput At(Kind kind, int32_t x, int32_t y, uint16_t modifiers = 0) {
  zvhost::LiveInput input;
  input.kind = kind;
  input.window = 1;
  input.x = x;
  input.y = y;
  input.modifiers = modifiers;
  return input;
}

class LiveWindows : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    zvhost::SetLiveDisplay(&fDisplay);
  }
  void TearDown() override {
    zvhost::SetLiveDisplay(nullptr);
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  ScriptedDisplay fDisplay;
};

TEST_F(LiveWindows, APressIsPlayedFromTheWindowSystemUntilTheLastWindowCloses) {
  Run("gW:=Open window(100;50;400;350;1;\"Live\")\ngA:=Plugin area(gW;\"a\";0;0;200;200)");
  EXPECT_EQ(std::vector<std::string>{"1 100,50 Live"}, fDisplay.opened);
  Run("IDLE");
  EXPECT_EQ(1, fDisplay.presents);
  EXPECT_EQ(300 * 10000 + 300, fDisplay.presentedSize);

  // The area polls the button four times during its mouse down: each poll takes one move, the
  // escape typed in between waits in the host's queue, the release ends the press.
  std::vector<std::string> seen;
  Get().reply = [&](EventRecord& event, int32_t*) {
    if (event.what == 20) {
      event.message = 101;
    }
    if (event.what != 1) {
      return;
    }
    for (int i = 0; i < 4; ++i) {
      const bool down = StillDown() != 0;
      Point p{};
      GetMouse(&p);
      EventRecord key{};
      FDEngineBlock b = NewBlock();
      b.fParam1 = 56;
      b.fPtr1 = &key;
      const bool typed = Call(kFDGetNextEvent, b).fParam1 == 1;
      seen.push_back(std::to_string(down) + " " + std::to_string(p.h) + "," + std::to_string(p.v) +
                     (typed ? " key " + std::to_string(key.message) : ""));
    }
  };
  zvhost::LiveInput escape = At(Kind::Key, 0, 0);
  escape.character = 27;
  fDisplay.inputs = {At(Kind::MouseDown, 10, 20, 0x200), At(Kind::Motion, 20, 30), escape,
                     At(Kind::Motion, 30, 40), At(Kind::MouseUp, 40, 50)};
  zvhost::LiveInput close = At(Kind::Close, 0, 0);
  fDisplay.inputs.push_back(close);
  Get().events.clear();
  std::string message;
  ASSERT_EQ(0, zvhost::RunLiveWindows(&message)) << message;

  EXPECT_EQ((std::vector<std::string>{"1 20,30", "1 30,40 key 27", "0 40,50", "0 40,50"}), seen);
  std::vector<std::pair<int, int>> downAndUp;
  for (const fakearea::Received& r : Get().events) {
    if (r.what == 1 || r.what == 2) {
      downAndUp.emplace_back(r.what, r.where.h * 1000 + r.where.v);
      EXPECT_EQ(0x200, r.modifiers);
    }
  }
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 10020}, {2, 40050}}), downAndUp);
  // The close deinitialised the area and took the desktop window away; the loop then ended.
  EXPECT_EQ(17, Get().events.back().what);
  EXPECT_EQ(std::vector<int32_t>{1}, fDisplay.closed);
}

TEST_F(LiveWindows, AFlickOfSeveralNotchesComesAsOneWheelEventPerNotch) {
  Run("gW:=Open window(100;50;400;350;1;\"Live\")\ngA:=Plugin area(gW;\"a\";0;0;200;200)");
  zvhost::LiveInput flick = At(Kind::Wheel, 10, 20);
  flick.wheel = -3;
  zvhost::LiveInput tilt = At(Kind::Wheel, 10, 20);
  tilt.wheel = 1;
  tilt.horizontal = true;
  fDisplay.inputs = {flick, tilt, At(Kind::Close, 0, 0)};
  Get().events.clear();
  std::string message;
  ASSERT_EQ(0, zvhost::RunLiveWindows(&message)) << message;

  std::vector<std::pair<int16_t, uint16_t>> wheels; // delta, modifiers
  for (const fakearea::Received& r : Get().events) {
    if (r.what == 39) {
      wheels.emplace_back(static_cast<int16_t>(r.message), r.modifiers);
    }
  }
  const uint16_t shift = kFDShiftKeyMask;
  EXPECT_EQ(
      (std::vector<std::pair<int16_t, uint16_t>>{{-120, 0}, {-120, 0}, {-120, 0}, {120, shift}}),
      wheels);
}

TEST_F(LiveWindows, KeysReachTheFirstAreaThatTakesTheFocusAndOnlyAChangedWindowIsShownAgain) {
  Run("gW:=Open window(100;50;400;350;1;\"Live\")\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"b\";100;0;200;100)\ngC:=Plugin area(gW;\"c\";200;0;300;100)");
  // The first area declines the focus; the second draws one pixel at its third idle event.
  int idles = 0;
  Get().reply = [&](EventRecord& event, int32_t* word) {
    if (event.what == 20 && *word != 101) {
      event.message = 101;
    }
    if (event.what == 0 && *word == 102 && ++idles == 3) {
      auto* surface = static_cast<FDDeviceContext*>(Call(kFDGetUpdateHDC, NewBlock()).fPtr1);
      surface->fPixels[0] = 0xFF000000u;
    }
  };
  zvhost::LiveInput end = At(Kind::Key, 0, 0);
  end.keyCode = 139;
  fDisplay.inputs = {end};
  fDisplay.quietWaits = 8;
  Get().events.clear();
  std::string message;
  ASSERT_EQ(0, zvhost::RunLiveWindows(&message)) << message;

  std::vector<std::string> focus; // area and event of the focus events and the key
  for (const fakearea::Received& r : Get().events) {
    if (r.what == 20 || r.what == 21 || r.what == 22 || r.what == 3) {
      focus.push_back(std::to_string(r.reference) + " " + std::to_string(r.what) +
                      (r.what == 3 ? " " + std::to_string(r.message >> 8) : ""));
    }
  }
  EXPECT_EQ((std::vector<std::string>{"101 20", "102 20", "102 21", "102 3 139"}), focus);
  // Shown when the loop began and once more after the pixel; the other turns changed nothing.
  EXPECT_GE(idles, 6);
  EXPECT_EQ(2, fDisplay.presents);
}

} // namespace
