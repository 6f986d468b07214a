// Updates on real windows: the device context an area is handed is its window's own, and a
// window closed while an update is being delivered stays drawable until that update returns.
#include <windows.h>

#include "tests/hostsim/FakeArea.h"

namespace {

using namespace hosttest;
using fakearea::Get;

class RealUpdates : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    Run("w:=Open window(20;20;220;170)\na:=Plugin area(w;\"a\";10;10;110;110)");
    FDEngineBlock block = NewBlock();
    block.fPtr1 = zvhost::HostWindow(1);
    window = static_cast<HWND>(Call(kFDMacWindowToHWND, block).fPtr2);
    ASSERT_TRUE(IsWindow(window));
  }
  void TearDown() override {
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  HWND window = nullptr;
};

TEST_F(RealUpdates, AnUpdateDrawsOnTheWindowsOwnDeviceContext) {
  HWND drawnOn = nullptr;
  Get().reply = [&drawnOn](EventRecord& event, int32_t*) {
    if (event.what != 6) {
      return;
    }
    HDC dc = reinterpret_cast<HDC>(event.message);
    drawnOn = WindowFromDC(dc);
    const RECT square{10, 10, 110, 110};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &square, red);
    DeleteObject(red);
  };
  Run("AREA EVENT(a;6)");
  EXPECT_EQ(drawnOn, window);
  EXPECT_EQ(reinterpret_cast<HDC>(Get().events.back().updateContext),
            reinterpret_cast<HDC>(Get().events.back().message));
  Run("SNAPSHOT(w;\"windows_update.png\")");
  // What was drawn is what the window shows.
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, 50, 50), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 150, 50), RGB(255, 255, 255));
  ReleaseDC(window, dc);
  DeleteFileA("windows_update.png");
}

TEST_F(RealUpdates, CopyBitsCopiesBetweenTheWindowsRealPixels) {
  HDC dc = GetDC(window);
  const RECT square{0, 0, 20, 20};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(dc, &square, blue);
  DeleteObject(blue);
  ReleaseDC(window, dc);
  Run("v:=Open window(300;20;400;120)");
  const Rect from{0, 0, 20, 20};
  const Rect to{30, 40, 50, 60}; // top, left, bottom, right
  CopyBits(zvhost::HostWindow(1), zvhost::HostWindow(2), &from, &to, 0, nullptr);
  FDEngineBlock block = NewBlock();
  block.fPtr1 = zvhost::HostWindow(2);
  HWND other = static_cast<HWND>(Call(kFDMacWindowToHWND, block).fPtr2);
  HDC otherDC = GetDC(other);
  EXPECT_EQ(GetPixel(otherDC, 45, 35), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(otherDC, 65, 35), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(otherDC, 45, 25), RGB(255, 255, 255));
  ReleaseDC(other, otherDC);
}

TEST_F(RealUpdates, AWindowClosedDuringAnUpdateGoesOnceTheUpdateHasReturned) {
  bool drawnAfterClose = false;
  bool aliveDuringUpdate = false;
  Get().reply = [&](EventRecord& event, int32_t*) {
    if (event.what != 6) {
      return;
    }
    ASSERT_EQ(0, zvhost::RunCode("CLOSE WINDOW(w)"));
    HDC dc = reinterpret_cast<HDC>(event.message);
    aliveDuringUpdate = IsWindow(window) && WindowFromDC(dc) == window;
    const RECT square{0, 0, 10, 10};
    drawnAfterClose = FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  Run("AREA EVENT(a;6)");
  EXPECT_TRUE(aliveDuringUpdate);
  EXPECT_TRUE(drawnAfterClose);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(zvhost::HostWindow(1), nullptr);
  // The area had its last event once the update returned.
  EXPECT_EQ(Get().events.back().what, 17);
}

} // namespace
