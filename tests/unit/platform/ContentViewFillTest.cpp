// The content view fills only what its cells leave uncovered when it can tell; whatever the
// layout, scroll position or dirty rectangle, no pixel of the repainted part may keep what was
// there before.
#include <gtest/gtest.h>

#include "platform/win/ContentView.h"
#include "tests/unit/grid/ZorvinAreaDrawingFixture.h"

namespace {

using drawtest::Rgb;
using Access = ZorvinAreaTestAccess;

constexpr uint32_t kStale = 0xFF00FF;

class ContentViewFill : public drawtest::DrawingTest {
protected:
  void SetUp() override {
    DrawingTest::SetUp();
    // 80 x 60 cells spaced by 7: three a row in 300, two rows and a half-empty third.
    ASSERT_EQ(fArea->SetCellSize(80, 60), 0);
    ASSERT_EQ(fArea->SetCellSpacing(7, 7), 0);
    ASSERT_EQ(fArea->SetCountExpression(hosttest::U(u"8")), 0);
    ASSERT_EQ(fArea->SetPictureRect(CGRectMake(5, 5, 40, 40)), 0);
    ASSERT_EQ(fArea->SetPictureDisplayFormat(2), 0);
    for (uint32_t cell = 1; cell <= 8; cell += 2) {
      Store(cell, true, nullptr);
    }
    Access::SetContentFrame(*fArea, CGRectMake(0, 0, 300, 200));
  }

  // Pixels of (0, 0, 300, 200) inside `within` that still show the stale colour.
  int CountStale(CGPoint origin, const CGRect* dirty, CGRect within) {
    Access::SetOrigin(*fArea, origin);
    gfx::Bitmap buffer(300, 200, gfx::PixelFormat32bppRGB);
    gfx::Graphics graphics(&buffer);
    graphics.Clear(gfx::Color(0xFF, 0x00, 0xFF));
    ContentView::DrawAtPortOrigin(fArea.get(), &graphics, dirty);
    graphics.Flush();
    int stale = 0;
    for (int32_t y = int32_t(within.origin.y); y < int32_t(CGRectGetMaxY(within)); ++y) {
      for (int32_t x = int32_t(within.origin.x); x < int32_t(CGRectGetMaxX(within)); ++x) {
        stale += Rgb(buffer, x, y) == kStale ? 1 : 0;
      }
    }
    return stale;
  }
};

TEST_F(ContentViewFill, EveryRepaintedPixelIsPaintedWhateverTheScrollPosition) {
  const CGRect whole = CGRectMake(0, 0, 300, 200);
  for (const CGPoint origin : {CGPointMake(0, 0), CGPointMake(0, -37), CGPointMake(-3, -70),
                               CGPointMake(20, 15), CGPointMake(0.5f, -10.25f)}) {
    EXPECT_EQ(CountStale(origin, nullptr, whole), 0) << origin.x << ", " << origin.y;
  }
}

TEST_F(ContentViewFill, ADirtyRectangleIsPaintedWholeAndNothingBeyondIt) {
  const CGRect dirty = CGRectMake(50, 30, 120, 90);
  EXPECT_EQ(CountStale(CGPointMake(0, -20), &dirty, dirty), 0);
  const CGRect fractional = CGRectMake(50.5f, 30.25f, 120, 90);
  EXPECT_EQ(CountStale(CGPointMake(0, -20), &fractional, dirty), 0);
  // A strip across the third row (cells 7 and 8, 141 to 201): only what the strip shows of the
  // two cells is drawn, nothing above it.
  const CGRect low = CGRectMake(0, 190, 300, 10);
  const CGRect above = CGRectMake(0, 150, 300, 40);
  EXPECT_EQ(CountStale(CGPointMake(0, 0), &low, low), 0);
  EXPECT_EQ(CountStale(CGPointMake(0, 0), &low, above), 300 * 40);
}

TEST_F(ContentViewFill, RoundedCellsStillGetTheBackgroundUnderTheirCorners) {
  ASSERT_EQ(fArea->SetCellCornerRadii(10, 10), 0);
  EXPECT_EQ(CountStale(CGPointMake(0, -5), nullptr, CGRectMake(0, 0, 300, 200)), 0);
}

} // namespace
