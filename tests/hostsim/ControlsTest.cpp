// The compatibility layer's scroll-bar controls: the native bar's scroll info that mirrors them,
// the window system's own scroll-info rules, parts under a point and click tracking.
#include "HostTestSupport.h"

namespace {

using namespace hosttest;

class Controls : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    Run("gW:=Open window(0;0;300;200)");
    fWindow = zvhost::HostWindow(1);
  }
  // A bar of the given frame (top, left, bottom, right), shown.
  ControlHandle Bar(const Rect& r, int32_t minimum, int32_t maximum, int32_t view,
                    int32_t value = 0) {
    ControlHandle c = NewControl(fWindow, &r, nullptr, 1, 0, 0, 0, kScrollBarProc, 0);
    SetControl32BitMinimum(c, minimum);
    SetControl32BitMaximum(c, maximum);
    SetControlViewSize(c, view);
    SetControl32BitValue(c, value);
    return c;
  }
  static SCROLLINFO Info(ControlHandle c) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    EXPECT_EQ(1, GetScrollInfo(ASI_ControlToHWND(c), SB_CTL, &info));
    return info;
  }

  void* fWindow = nullptr;
};

TEST_F(Controls, TheNativeBarMirrorsTheControlsRangeViewAndValue) {
  struct Case {
    int32_t minimum, maximum, view, value;
    int32_t nMin, nMax;
    uint32_t nPage;
    int32_t nPos;
  };
  const Case cases[] = {
      {0, 81, 20, 81, 0, 100, 20, 81},   // content 100, view 20
      {0, 0, 2147483647, 0, 0, 0, 1, 0}, // everything fits
      {0, 50, 0, 10, 0, 50, 0, 10},      // no view size: every position reachable
      {0, 10, 500, 99, 0, 20, 11, 10},   // value held at the maximum, page at the range
      {-5, 5, 2, -9, -5, 6, 2, -5},      // value held at the minimum
  };
  for (const Case& c : cases) {
    ControlHandle bar = Bar(Rect{0, 0, 100, 16}, c.minimum, c.maximum, c.view, c.value);
    const SCROLLINFO info = Info(bar);
    EXPECT_EQ(c.nMin, info.nMin) << c.maximum << "/" << c.view;
    EXPECT_EQ(c.nMax, info.nMax) << c.maximum << "/" << c.view;
    EXPECT_EQ(c.nPage, info.nPage) << c.maximum << "/" << c.view;
    EXPECT_EQ(c.nPos, info.nPos) << c.maximum << "/" << c.view;
    EXPECT_EQ(c.nPos, GetControl32BitValue(bar));
  }
}

TEST_F(Controls, SetScrollInfoFollowsTheWindowSystemsRulesAndLeavesTheControlAlone) {
  ControlHandle control = Bar(Rect{0, 0, 100, 16}, 0, 81, 20, 40);
  HWND bar = ASI_ControlToHWND(control);
  SCROLLINFO in{};
  in.cbSize = sizeof in;
  in.fMask = SIF_RANGE; // lowered as a plug-in does to move the thumb: the position follows
  in.nMin = 0;
  in.nMax = 50;
  EXPECT_EQ(31, SetScrollInfo(bar, SB_CTL, &in, 1));
  EXPECT_EQ(40, GetControl32BitValue(control));
  in.fMask = SIF_RANGE;
  in.nMin = 10;
  in.nMax = 5; // inverted: 0 to 0
  EXPECT_EQ(0, SetScrollInfo(bar, SB_CTL, &in, 1));
  SCROLLINFO out = Info(control);
  EXPECT_EQ(0, out.nMin);
  EXPECT_EQ(0, out.nMax);
  EXPECT_EQ(1u, out.nPage); // held within the range
  in.fMask = SIF_ALL;
  in.nMin = 0;
  in.nMax = 100;
  in.nPage = 20;
  in.nPos = 90; // beyond nMax - nPage + 1
  EXPECT_EQ(81, SetScrollInfo(bar, SB_CTL, &in, 1));
  out = Info(control);
  EXPECT_EQ(81, out.nTrackPos); // not tracking: the position

  int forged = 0;
  EXPECT_EQ(0, SetScrollInfo(&forged, SB_CTL, &in, 1));
  EXPECT_EQ(0, SetScrollInfo(fWindow, SB_CTL, &in, 1)); // not a scroll bar
  EXPECT_EQ(0, SetScrollInfo(bar, 1, &in, 1));          // only SB_CTL
  EXPECT_EQ(0, GetScrollInfo(bar, SB_CTL, nullptr));
  in.cbSize = 3;
  EXPECT_EQ(0, GetScrollInfo(bar, SB_CTL, &in));
}

TEST_F(Controls, PartsUnderAPointFollowTheArrowsTrackAndThumb) {
  // Vertical, 116 long: arrows 0-15 and 100-115, track 84, thumb 84 * 20 / 101 = 16 pixels.
  ControlHandle vertical = Bar(Rect{0, 0, 116, 16}, 0, 81, 20, 0);
  // Horizontal below it, scrolled to its end: thumb at the track's end (x 68-83).
  ControlHandle horizontal = Bar(Rect{150, 0, 166, 100}, 0, 50, 50, 50);
  struct Case {
    int16_t h, v;
    int16_t part;
    ControlHandle which;
  };
  const Case cases[] = {
      {5, 0, kControlUpButtonPart, vertical},
      {5, 15, kControlUpButtonPart, vertical},
      {5, 16, kControlIndicatorPart, vertical},
      {5, 31, kControlIndicatorPart, vertical},
      {5, 32, kControlPageDownPart, vertical},
      {5, 100, kControlDownButtonPart, vertical},
      {16, 50, 0, nullptr}, // beside the bar
      {10, 155, kControlUpButtonPart, horizontal},
      {40, 155, kControlPageUpPart, horizontal},
      {70, 155, kControlIndicatorPart, horizontal},
      {90, 155, kControlDownButtonPart, horizontal},
  };
  for (const Case& c : cases) {
    ControlHandle which = reinterpret_cast<ControlHandle>(&which);
    EXPECT_EQ(c.part, FindControl(Point{c.v, c.h}, fWindow, &which)) << c.h << "," << c.v;
    EXPECT_EQ(c.which, which) << c.h << "," << c.v;
  }

  HiliteControl(vertical, 255); // inactive: no part
  EXPECT_EQ(0, FindControl(Point{20, 5}, fWindow, nullptr));
  HiliteControl(vertical, 0);
  SetControl32BitMaximum(vertical, 0); // no range: arrows but no thumb
  EXPECT_EQ(kControlUpButtonPart, FindControl(Point{5, 5}, fWindow, nullptr));
  EXPECT_EQ(0, FindControl(Point{20, 5}, fWindow, nullptr));
  HideControl(vertical);
  EXPECT_EQ(0, FindControl(Point{5, 5}, fWindow, nullptr));
  int forged = 0;
  EXPECT_EQ(0, FindControl(Point{5, 5}, &forged, nullptr));
}

std::vector<std::pair<ControlHandle, int16_t>> gActions;

void Action(ControlHandle control, int16_t part) {
  gActions.emplace_back(control, part);
}

TEST_F(Controls, TrackingStepsThePartOnceSinceTheButtonIsAlreadyUp) {
  ControlHandle bar = Bar(Rect{0, 0, 116, 16}, 0, 81, 20, 40);
  gActions.clear();
  EXPECT_EQ(kControlDownButtonPart, TrackControl(bar, Point{105, 5}, &Action));
  EXPECT_EQ(kControlPageUpPart, TrackControl(bar, Point{20, 5}, &Action));
  EXPECT_EQ(kControlDownButtonPart, TrackControl(bar, Point{105, 5}, nullptr));
  EXPECT_EQ(0, TrackControl(bar, Point{150, 5}, &Action)); // outside
  ASSERT_EQ(2u, gActions.size());
  EXPECT_EQ(bar, gActions[0].first);
  EXPECT_EQ(kControlDownButtonPart, gActions[0].second);
  EXPECT_EQ(kControlPageUpPart, gActions[1].second);
  EXPECT_EQ(0, StillDown());
}

TEST_F(Controls, HandlesThisHostDidNotHandOutAreIgnored) {
  ControlRecord record{};
  ControlRecord* master = &record;
  ControlHandle forged = &master;
  for (ControlHandle bad : {forged, static_cast<ControlHandle>(nullptr)}) {
    SetControl32BitValue(bad, 5);
    ShowControl(bad);
    MoveControl(bad, 5, 5);
    Draw1Control(bad);
    DisposeControl(bad);
    EXPECT_EQ(0, GetControl32BitValue(bad));
    EXPECT_EQ(0, TrackControl(bad, Point{0, 0}, &Action));
    EXPECT_EQ(nullptr, ASI_ControlToHWND(bad));
  }
  EXPECT_EQ(0, record.contrlVis);
  EXPECT_EQ(nullptr, NewControl(fWindow, nullptr, nullptr, 1, 0, 0, 0, 0, 0)); // not a bar
}

} // namespace
