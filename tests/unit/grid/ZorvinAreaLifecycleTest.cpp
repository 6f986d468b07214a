#include <gtest/gtest.h>

#include "grid/ZorvinArea.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

class ZorvinAreaLifecycle : public hosttest::HostTest {
protected:
  void Init(ZorvinArea& area) {
    AreaParams params{};
    params.fBackColor = 0xFFFFFF;
    area.InitArea(&params);
  }
  void SendEvent(ZorvinArea& area, uint16_t what, Rect rect) {
    EventRecord event{};
    event.what = what;
    area.HandleEvent(&event, &rect);
  }
};

TEST_F(ZorvinAreaLifecycle, FirstEventBuildsTheNativeObjectsBeforeItIsHandled) {
  ZorvinArea area;
  Init(area);
  EXPECT_EQ(area.GetCaptionFont(), nullptr);
  SendEvent(area, 0, Rect{0, 0, 400, 500});
  EXPECT_TRUE(area.IsPostInitDone());
  EXPECT_NE(area.GetAreaBackBrush(), nullptr);
  EXPECT_NE(area.GetSelectionBrush(), nullptr);
  EXPECT_NE(area.GetCaptionFont(), nullptr);
  EXPECT_NE(area.GetCaptionForeBrush(), nullptr);
}

TEST_F(ZorvinAreaLifecycle, EndOfCycleLaysOutOnceAndAgainWhenTheAreaMoves) {
  ZorvinArea area;
  Init(area);
  const Rect rect{10, 20, 410, 520}; // top, left, bottom, right
  SendEvent(area, 0, rect);
  EXPECT_FALSE(area.IsViewShown());
  EXPECT_TRUE(area.DidEndExecutionCycle(&rect)) << "the first cycle asks for a redraw";
  EXPECT_TRUE(area.IsViewShown());
  EXPECT_FALSE(area.DidEndExecutionCycle(&rect));
  const Rect moved{10, 20, 410, 600};
  EXPECT_TRUE(area.DidEndExecutionCycle(&moved));
  CGRect frame = area.GetAreaCGRect();
  EXPECT_EQ(frame.size.width, 580);
  EXPECT_EQ(frame.origin.x, 20);
}

TEST_F(ZorvinAreaLifecycle, SwitchingInWaitsForTheNextEndOfCycleToShow) {
  ZorvinArea area;
  Init(area);
  const Rect rect{0, 0, 400, 500};
  SendEvent(area, 0, rect);
  area.DidEndExecutionCycle(&rect);
  ASSERT_TRUE(area.IsViewShown());
  area.DoSwitchPageIn();
  EXPECT_TRUE(area.IsViewShown()) << "not hidden, only not re-shown before the next cycle";
  EXPECT_TRUE(area.DidEndExecutionCycle(&rect)) << "the page switch lays out again";
}

TEST_F(ZorvinAreaLifecycle, FlagsTakeOnlyTheirOwnBits) {
  ZorvinArea area;
  area.SetTipsEnabled(1);
  EXPECT_TRUE(area.GetTipsEnabled());
  EXPECT_FALSE(area.GetScrollsByCell());
  area.SetScrollsByCell(1);
  EXPECT_TRUE(ZorvinAreaTestAccess::NeedsRedraw(area));
  area.SetTipsEnabled(0);
  EXPECT_FALSE(area.GetTipsEnabled());
  EXPECT_TRUE(area.GetScrollsByCell());
  EXPECT_TRUE(area.IsFocusable());
}

} // namespace
