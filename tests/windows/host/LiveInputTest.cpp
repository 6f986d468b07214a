// A person's input in the real windows of zorvi-host --window: messages posted to a host window
// (as the window system posts a person's clicks, moves, wheel turns, keys and closes) reach its
// areas by the paths the scripted input commands take, a bar tracks its own thumb, and the live
// run ends with the last window.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/hostsim/FakeArea.h"
#include "zvhost/LiveDisplay.h"

namespace {

using namespace hosttest;
using fakearea::Get;

HWND NativeWindowOf(int32_t number) {
  FDEngineBlock block = NewBlock();
  block.fPtr1 = zvhost::HostWindow(number);
  return static_cast<HWND>(Call(kFDMacWindowToHWND, block).fPtr2);
}

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

// What the window's procedure is told of its bar.
std::vector<WPARAM> gScrolls;
WNDPROC gPrevious = nullptr;

LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL) {
    gScrolls.push_back(LOWORD(wParam));
  }
  return CallWindowProcW(gPrevious, window, message, wParam, lParam);
}

class LiveInput : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    zvhost::SetLiveDisplay(&zvhost::RealWindowsDisplay());
    Run("w:=Open window(100;50;400;350;1;\"Live\")\na:=Plugin area(w;\"a\";0;0;200;200)");
    window = NativeWindowOf(1);
    ASSERT_TRUE(IsWindow(window));
  }
  void TearDown() override {
    zvhost::SetLiveDisplay(nullptr);
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  HWND window = nullptr;
};

TEST_F(LiveInput, PressMovesWheelAndKeysReachTheAreaAndAClosedWindowEndsTheRun) {
  // Shown with a title and a close box; its client area is its frame.
  EXPECT_NE(0, GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  MapWindowPoints(window, GetParent(window), &origin, 1);
  EXPECT_EQ((std::vector<LONG>{100, 50, 300, 300}),
            (std::vector<LONG>{origin.x, origin.y, client.right, client.bottom}));
  // The area takes the focus and polls the button three times during its mouse down.
  std::vector<std::string> polls;
  Get().reply = [&polls](EventRecord& event, int32_t*) {
    if (event.what == 20) {
      event.message = 101;
    }
    if (event.what != 1) {
      return;
    }
    for (int i = 0; i < 3; ++i) {
      const bool down = StillDown() != 0;
      Point p{};
      GetMouse(&p);
      polls.push_back(std::to_string(down) + " " + std::to_string(p.h) + "," + std::to_string(p.v));
    }
  };
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(10, 20));
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(20, 30));
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(30, 40));
  PostMessageW(window, WM_LBUTTONUP, MK_SHIFT, At(40, 50));
  // Two notches towards the person, at a point of the window in screen coordinates.
  POINT wheelAt{50, 60};
  ClientToScreen(window, &wheelAt);
  PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)),
               At(wheelAt.x, wheelAt.y));
  PostMessageW(window, WM_KEYDOWN, VK_END, 0);
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  // The window's close box, as a person clicks it.
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  Get().events.clear();
  std::string message;
  ASSERT_EQ(0, zvhost::RunLiveWindows(&message)) << message;

  // Each poll took one move; the release ended the press.
  EXPECT_EQ((std::vector<std::string>{"1 20,30", "1 30,40", "0 40,50"}), polls);
  std::vector<std::string> seen;
  for (const fakearea::Received& r : Get().events) {
    const std::string at = std::to_string(r.where.h) + "," + std::to_string(r.where.v);
    switch (r.what) {
    case 1:
    case 2:
      seen.push_back((r.what == 1 ? "down " : "up ") + at + " " + std::to_string(r.modifiers));
      break;
    case 39:
      seen.push_back("wheel " + std::to_string(static_cast<int16_t>(r.message)) + " " + at);
      break;
    case 3:
      seen.push_back("key " + std::to_string(r.message >> 8) + " " +
                     std::to_string(r.message & 0xFF));
      break;
    default:
      break;
    }
  }
  EXPECT_EQ((std::vector<std::string>{"down 10,20 512", "up 40,50 512", "wheel -120 50,60",
                                      "wheel -120 50,60", "key 139 0", "key 0 27"}),
            seen);
  // The close deinitialised the area, the window went, and the run ended with it.
  EXPECT_EQ(17, Get().events.back().what);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(zvhost::HostWindow(1), nullptr);
}

TEST_F(LiveInput, ABarsArrowIsPressedOnTheAreaItsThumbTracksItselfAndTheProcessWindowEndsAll) {
  Run("v:=Open window(500;50;700;250;1;\"Other\")\nb:=Plugin area(v;\"b\";0;0;100;100)");
  const Rect bounds{0, 184, 200, 200}; // a vertical bar along the area's right edge
  ControlHandle control =
      NewControl(zvhost::HostWindow(1), &bounds, nullptr, 1, 0, 0, 100, kScrollBarProc, 0);
  ASSERT_NE(control, nullptr);
  // A long thumb: pressed further down than an arrow is long.
  SetControlViewSize(control, 80);
  HWND bar = ASI_ControlToHWND(control);
  SCROLLBARINFO barInfo{};
  barInfo.cbSize = sizeof barInfo;
  ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &barInfo));
  const int thumbY = (barInfo.xyThumbTop + barInfo.xyThumbBottom) / 2;
  gScrolls.clear();
  gPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Listener)));

  // A click on the down arrow (released over the window that holds the press), a drag of the
  // thumb, then the process window closed as a person closes it.
  PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 192));
  PostMessageW(window, WM_LBUTTONUP, 0, At(192, 192));
  PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(8, thumbY));
  PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, At(8, thumbY + 60));
  PostMessageW(bar, WM_LBUTTONUP, 0, At(8, thumbY + 60));
  PostMessageW(GetParent(window), WM_CLOSE, 0, 0);
  Get().events.clear();
  std::string message;
  ASSERT_EQ(0, zvhost::RunLiveWindows(&message)) << message;
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPrevious));

  // The arrow's press went to the area at the bar's place in the window.
  std::vector<std::string> presses;
  for (const fakearea::Received& r : Get().events) {
    if (r.what == 1 || r.what == 2) {
      presses.push_back(std::to_string(r.what) + " " + std::to_string(r.reference) + " " +
                        std::to_string(r.where.h) + "," + std::to_string(r.where.v));
    }
  }
  EXPECT_EQ((std::vector<std::string>{"1 101 192,192", "2 101 192,192"}), presses);
  // The thumb's drag was the bar's own, told to the window's procedure.
  EXPECT_EQ(
      (std::vector<WPARAM>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}),
      std::vector<WPARAM>(gScrolls.end() - std::min<size_t>(gScrolls.size(), 3), gScrolls.end()));
  EXPECT_EQ(0, std::count(gScrolls.begin(), gScrolls.end(), WPARAM{SB_LINEDOWN}));
  // Both windows closed, each area deinitialised.
  EXPECT_EQ(2, std::count_if(Get().events.begin(), Get().events.end(),
                             [](const fakearea::Received& r) { return r.what == 17; }));
  EXPECT_EQ(zvhost::HostWindow(1), nullptr);
  EXPECT_EQ(zvhost::HostWindow(2), nullptr);
}

} // namespace
