// Mouse input the window system handles itself: a drag on a scroll bar's thumb, tracked by the
// native bar and reported to the window's procedure, and the drags and wheel turns that go to
// areas instead.
#include "FakeArea.h"

namespace {

using namespace hosttest;

struct Message {
  uint32_t message;
  WPARAM wParam;
  LPARAM lParam;
  int32_t trackPos; // the bar's track position while the message is handled
  int32_t pos;
};
std::vector<Message> gMessages;
WNDPROC gOld = nullptr;

LRESULT Recorder(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(reinterpret_cast<HWND>(lParam), SB_CTL, &info);
  gMessages.push_back({message, wParam, lParam, info.nTrackPos, info.nPos});
  return CallWindowProcA(gOld, window, message, wParam, lParam);
}

class ScrollBarInput : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    Run("gW:=Open window(0;0;300;200)\ngA:=Plugin area(gW;\"a\";0;0;200;150)");
    fWindow = zvhost::HostWindow(1);
    gMessages.clear();
    gOld = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(fWindow, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&Recorder)));
    fakearea::Get().events.clear();
  }
  void TearDown() override {
    fakearea::Get() = fakearea::State();
    HostTest::TearDown();
  }
  // Content 100 in a view of 20: native range 0 to 100, page 20; the thumb is 16 pixels on a
  // track of 84, so 68 pixels of travel cover positions 0 to 81.
  ControlHandle Bar(const Rect& r) {
    ControlHandle c = NewControl(fWindow, &r, nullptr, 1, 0, 0, 0, kScrollBarProc, 0);
    SetControl32BitMaximum(c, 81);
    SetControlViewSize(c, 20);
    return c;
  }

  void* fWindow = nullptr;
};

TEST_F(ScrollBarInput, DraggingTheThumbReportsTrackPositionAndEndToTheWindowProcedure) {
  ControlHandle control = Bar(Rect{0, 0, 116, 16});
  const auto bar = reinterpret_cast<LPARAM>(ASI_ControlToHWND(control));
  Run("MOUSE DRAG(gW;5;20;5;37)"); // 17 pixels: 17 * 81 / 68 = 20.25
  ASSERT_EQ(3u, gMessages.size());
  const uint32_t codes[] = {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(WM_VSCROLL, gMessages[i].message);
    EXPECT_EQ(codes[i], gMessages[i].wParam & 0xFFFF);
    EXPECT_EQ(bar, gMessages[i].lParam);
  }
  EXPECT_EQ(20u, gMessages[0].wParam >> 16);
  EXPECT_EQ(20u, gMessages[1].wParam >> 16);
  EXPECT_EQ(20, gMessages[0].trackPos);
  EXPECT_EQ(0, gMessages[0].pos); // the bar moves only once released
  EXPECT_EQ(20, gMessages[2].pos);
  EXPECT_EQ(0, GetControl32BitValue(control)); // the window's own procedure ignores them
  EXPECT_TRUE(fakearea::Get().events.empty()) << "the area saw the bar's drag";
}

TEST_F(ScrollBarInput, AHorizontalThumbDraggedPastTheEndStopsAtTheLastPosition) {
  Bar(Rect{150, 0, 166, 116});
  Run("MOUSE DRAG(gW;20;155;400;100)");
  ASSERT_EQ(3u, gMessages.size());
  EXPECT_EQ(WM_HSCROLL, gMessages[0].message);
  EXPECT_EQ(81u, gMessages[0].wParam >> 16);
}

TEST_F(ScrollBarInput, ADragOffAThumbGoesToTheAreaUnderItsStart) {
  Bar(Rect{0, 0, 116, 16});
  Run("MOUSE DRAG(gW;5;60;70;80;512)"); // on the track below the thumb
  Run("MOUSE DRAG(gW;250;10;20;20)");   // on no area
  EXPECT_TRUE(gMessages.empty());
  const auto& events = fakearea::Get().events;
  ASSERT_EQ(3u, events.size()); // the focus asked for first
  EXPECT_EQ(20, events[0].what);
  EXPECT_EQ(1, events[1].what);
  EXPECT_EQ(60, events[1].where.v);
  EXPECT_EQ(5, events[1].where.h);
  EXPECT_EQ(2, events[2].what);
  EXPECT_EQ(80, events[2].where.v);
  EXPECT_EQ(70, events[2].where.h);
  EXPECT_EQ(512, events[2].modifiers);
}

TEST_F(ScrollBarInput, AWheelTurnGoesToTheAreaUnderThePoint) {
  Run("MOUSE WHEEL(gW;30;40;-120;512)\nMOUSE WHEEL(gW;30;40;120)\nMOUSE WHEEL(gW;250;40;120)");
  const auto& events = fakearea::Get().events;
  ASSERT_EQ(2u, events.size());
  EXPECT_EQ(39, events[0].what);
  EXPECT_EQ(0xFF88, events[0].message); // -120 in the low 16 bits
  EXPECT_EQ(40, events[0].where.v);
  EXPECT_EQ(30, events[0].where.h);
  EXPECT_EQ(512, events[0].modifiers);
  EXPECT_EQ(120, events[1].message);
}

} // namespace
