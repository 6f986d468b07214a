// Scrolling through the area's scroll bars, the wheel, RevealCell and the live-scroll hook, on
// areas placed in real emulator windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/ZorvinArea.h"
#include "platform/win/ZorvinAreaControlsWin.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"
#include "util/ZVKeys.h"

namespace {

const PA_Unichar* Prop(const char16_t* name) {
  return reinterpret_cast<const PA_Unichar*>(name);
}

class GridScrolling : public hosttest::HostTest {
protected:
  void TearDown() override {
    zvhost::SetKeyDown(kKeyCodeShift, false);
    hosttest::HostTest::TearDown();
  }

  // Windows are numbered from 1 after each reset.
  void* OpenWindow(int width, int height) {
    ++fWindows;
    const std::string code =
        "Open window(0;0;" + std::to_string(width) + ";" + std::to_string(height) + ")";
    EXPECT_EQ(zvhost::RunCode("$w:=" + code), 0);
    return zvhost::HostWindow(fWindows);
  }

  // A grid area filling (0, 0, width, height) of the window with `count` cells of 100 x 100
  // spaced by 10 (4 a row in 500 pixels with the vertical bar), laid out by its first cycle.
  std::unique_ptr<ZorvinArea> MakeArea(void* window, int16_t width, int16_t height, int32_t count,
                                       bool printing = false) {
    auto area = std::make_unique<ZorvinArea>();
    AreaParams params{};
    params.fBackColor = 0xFFFFFF;
    params.fWindow = window;
    params.fWindowHandle = window;
    params.fPrinting = printing ? 255 : 0;
    area->InitArea(&params);
    Rect rect{0, 0, height, width};
    EventRecord idle{};
    area->HandleEvent(&idle, &rect); // the first event sets the area up
    EXPECT_EQ(0, area->SetCellSize(100, 100));
    EXPECT_EQ(0, area->SetCellSpacing(10, 10));
    ZorvinAreaTestAccess::SetCellCount(*area, count);
    area->DidEndExecutionCycle(&rect);
    return area;
  }

  static float OriginY(const ZorvinArea& area) { return ZorvinAreaTestAccess::Origin(area).y; }

  int32_t fWindows = 0;
};

TEST_F(GridScrolling, BarsTakeTheRangeOfTheContentThatOverflows) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100); // 25 rows: 2760 high
  ControlHandle vert = area->GetVertScrollBar();
  ControlHandle horz = area->GetHorzScrollBar();
  ASSERT_NE(vert, nullptr);
  ASSERT_NE(horz, nullptr);
  EXPECT_EQ(GetControl32BitMinimum(vert), 0);
  EXPECT_EQ(GetControl32BitMaximum(vert), 2760 - 400);
  EXPECT_EQ(GetControlViewSize(vert), 400);
  EXPECT_EQ(GetControl32BitValue(vert), 0);
  EXPECT_NE((*vert)->contrlVis, 0);
  // The horizontal bar has nothing to scroll and stays hidden.
  EXPECT_EQ(GetControl32BitMaximum(horz), 0);
  EXPECT_EQ(GetControl32BitValue(horz), 0);
  EXPECT_EQ(GetControlViewSize(horz), 2147483647);
  EXPECT_EQ((*horz)->contrlVis, 0);
  // The vertical bar stands at the area's right edge, the full height.
  EXPECT_EQ((*vert)->contrlRect.left, 500 - ZorvinAreaControlsWin::GetScrollbarSize());
  EXPECT_EQ((*vert)->contrlRect.right, 500);
  EXPECT_EQ((*vert)->contrlRect.bottom, 400);
}

TEST_F(GridScrolling, ScrollByCellSnapsToTheNearestCellEdge) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ControlHandle vert = area->GetVertScrollBar();
  area->SetScrollsByCell(1);
  struct Case {
    int32_t value;
    float origin;
  };
  // Pitch 110: remainders 60 (within the second half of the cell) stay, 65 moves on, 30 back.
  for (const Case c :
       {Case{170, -170}, Case{175, -220}, Case{140, -110}, Case{220, -220}, Case{2360, -2360}}) {
    SetControl32BitValue(vert, c.value);
    ZorvinAreaTestAccess::AlignScrollToCell(*area);
    EXPECT_EQ(OriginY(*area), c.origin) << "bar value " << c.value;
  }
}

TEST_F(GridScrolling, WheelNotchScrollsATenthOfThreeQuartersOfTheView) {
  void* window = OpenWindow(600, 500);
  struct Case {
    int16_t height;
    int32_t step;
  };
  for (const Case c : {Case{400, 30}, Case{40, 3}, Case{12, 1}}) {
    auto area = MakeArea(window, 500, c.height, 100);
    ControlHandle vert = area->GetVertScrollBar();
    EXPECT_TRUE(area->DoScrollWheelEvent(Point{10, 10}, -1, 0));
    EXPECT_EQ(GetControl32BitValue(vert), c.step) << "view " << c.height;
    EXPECT_EQ(OriginY(*area), -c.step);
    EXPECT_TRUE(area->DoScrollWheelEvent(Point{10, 10}, 120, 0));
    EXPECT_EQ(GetControl32BitValue(vert), 0);
    const int32_t maximum = GetControl32BitMaximum(vert);
    SetControl32BitValue(vert, maximum);
    EXPECT_TRUE(area->DoScrollWheelEvent(Point{10, 10}, -1, 0));
    EXPECT_EQ(GetControl32BitValue(vert), maximum) << "the end stops it";
  }
}

TEST_F(GridScrolling, WheelTurnsHorizontalWithShiftOnlyWhenBothBarsAreNeeded) {
  void* window = OpenWindow(600, 500);
  auto both = MakeArea(window, 500, 400, 100);
  ASSERT_EQ(both->SetCellsInBand(10), 0); // 1110 wide, 10 rows: both bars
  Rect rect{};
  both->GetAreaRect(&rect);
  both->DidEndExecutionCycle(&rect);
  ASSERT_TRUE(both->IsHorzScrollVisible() && both->IsVertScrollVisible());
  zvhost::SetKeyDown(kKeyCodeShift, true);
  EXPECT_TRUE(both->DoScrollWheelEvent(Point{10, 10}, -1, 0));
  EXPECT_LT(ZorvinAreaTestAccess::Origin(*both).x, 0);
  EXPECT_EQ(OriginY(*both), 0);
  zvhost::SetKeyDown(kKeyCodeShift, false);
  EXPECT_TRUE(both->DoScrollWheelEvent(Point{10, 10}, -1, 0));
  EXPECT_LT(OriginY(*both), 0);

  auto fits = MakeArea(window, 500, 400, 3);
  EXPECT_FALSE(fits->DoScrollWheelEvent(Point{10, 10}, -1, 0)) << "nothing to scroll";
}

TEST_F(GridScrolling, RevealCellScrollsJustEnoughAndOnlyWhenNeeded) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  EXPECT_EQ(area->RevealCell(0), -50);
  EXPECT_EQ(area->RevealCell(101), -50);
  EXPECT_EQ(area->RevealCell(2), 0);
  EXPECT_EQ(OriginY(*area), 0) << "a visible cell does not move the view";
  // Cell 20 is in the fifth row: 450 to 550, so its bottom goes to the view's bottom.
  EXPECT_EQ(area->RevealCell(20), 0);
  EXPECT_EQ(OriginY(*area), -150);
  EXPECT_EQ(GetControl32BitValue(area->GetVertScrollBar()), 150);
  // Cell 1 lies above: its top goes to the view's top.
  EXPECT_EQ(area->RevealCell(1), 0);
  EXPECT_EQ(OriginY(*area), -10);
}

TEST_F(GridScrolling, ThumbTrackingMapsTheNativePositionOntoTheControlRange) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ControlHandle vert = area->GetVertScrollBar();
  HWND bar = ASI_ControlToHWND(vert);
  ASSERT_NE(bar, nullptr);
  SetControl32BitMaximum(vert, 81);
  SetControlViewSize(vert, 20);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  ASSERT_NE(GetScrollInfo(bar, SB_CTL, &info), 0);
  ASSERT_EQ(info.nMax - info.nMin, 100);
  ASSERT_EQ(info.nPage, 20u);
  // Through the window's procedure, as the native bar reports it: 81 is the last position.
  SendMessageA(window, WM_VSCROLL, SB_THUMBTRACK | (81u << 16), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetControl32BitValue(vert), 81);
  EXPECT_EQ(OriginY(*area), -81);
  SendMessageA(window, WM_VSCROLL, SB_THUMBTRACK | (40u << 16), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetControl32BitValue(vert), 40);
  // Other scroll codes are the old procedure's business.
  SendMessageA(window, WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetControl32BitValue(vert), 40);
}

TEST_F(GridScrolling, ArrowsAndPageAreasStepByPixelsOrByCells) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ControlHandle vert = area->GetVertScrollBar();
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlDownButtonPart);
  EXPECT_EQ(GetControl32BitValue(vert), 30);
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlPageDownPart);
  EXPECT_EQ(GetControl32BitValue(vert), 330);
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlPageUpPart);
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlUpButtonPart);
  EXPECT_EQ(GetControl32BitValue(vert), 0) << "clamped at the minimum";

  EXPECT_EQ(0, area->SetCellSize(96, 96));
  area->SetScrollsByCell(1);
  SetControl32BitValue(vert, 0);
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlDownButtonPart);
  EXPECT_EQ(GetControl32BitValue(vert), 96);
  SetControl32BitValue(vert, 0);
  ZorvinAreaControlsWin::ScrollActionProc(vert, kControlPageDownPart);
  EXPECT_EQ(GetControl32BitValue(vert), 384);
}

TEST_F(GridScrolling, OneWindowProcedureForAllTheAreasOfAWindow) {
  void* window = OpenWindow(600, 500);
  const intptr_t original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  const PA_Unichar* count = Prop(u"ZorviScrollProcInstallCount");
  auto first = MakeArea(window, 300, 200, 10);
  auto second = MakeArea(window, 300, 200, 10);
  auto printed = MakeArea(window, 300, 200, 10, true);
  const auto hook = reinterpret_cast<intptr_t>(&ZorvinAreaControlsWin::WndScrollProc);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), hook);
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropW(window, count)), 2);
  printed.reset(); // it never installed, so it must not take the others' hook away
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropW(window, count)), 2);
  first.reset();
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), hook);
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropW(window, count)), 1);
  second.reset();
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  EXPECT_EQ(GetPropW(window, count), nullptr);
  EXPECT_EQ(GetPropW(window, Prop(u"ZorviOldScrollProc")), nullptr);
}

TEST_F(GridScrolling, BarsAreTaggedAndGoWithTheirArea) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ControlHandle vert = area->GetVertScrollBar();
  HWND bar = ASI_ControlToHWND(vert);
  EXPECT_EQ(GetPropW(bar, Prop(u"ZorviMacScrollBar")), vert);
  EXPECT_NE(GetPropW(bar, Prop(u"ZorviLiveScrollProc")), nullptr);
  // A bar that lost its tags gets them back at idle.
  ZorvinAreaControlsWin::UntagOneLiveScrollbar(vert);
  EXPECT_FALSE(ZorvinAreaControlsWin::IsScrollbarTagged(vert));
  area->DoIdle();
  EXPECT_TRUE(ZorvinAreaControlsWin::IsScrollbarTagged(vert));
  area.reset();
  EXPECT_EQ(IsWindow(bar), 0);
}

TEST_F(GridScrolling, AnAreaOutlivingItsWindowLeavesTheGoneBarsAlone) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ASSERT_EQ(zvhost::RunCode("CLOSE WINDOW(1)"), 0);
  area->DoIdle();
  area.reset(); // must not touch the closed window or its controls
}

TEST_F(GridScrolling, BarsDimWhenTheirWindowIsNotInFront) {
  void* window = OpenWindow(600, 500);
  auto area = MakeArea(window, 500, 400, 100);
  ControlHandle vert = area->GetVertScrollBar();
  area->DoIdle();
  EXPECT_EQ((*vert)->contrlHilite, 0);
  OpenWindow(200, 200);
  area->DoIdle();
  EXPECT_EQ((*vert)->contrlHilite, 255);
}

} // namespace
