#include <gtest/gtest.h>

#include "grid/ZorvinArea.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

using Access = ZorvinAreaTestAccess;

TEST(ZorvinAreaLayout, RowsColumnsAndContentFollowTheAreaAndTheCount) {
  struct Case {
    const char* what;
    int32_t cellsInBand;
    int32_t spacing;
    float width, height;
    int32_t count;
    int32_t rows, columns;
    float contentWidth, contentHeight;
    bool horzNeeded, vertNeeded;
  } cases[] = {
      // 480 > 400: the bar takes 16 of 500 and 484 still holds 3 per row.
      {"overflowing rows", 0, 0, 500, 400, 7, 3, 3, 480, 480, false, true},
      {"one short row", 0, 0, 900, 400, 2, 1, 2, 320, 160, false, false},
      {"narrower than a cell", 0, 0, 100, 400, 2, 2, 1, 160, 320, false, false},
      {"narrower than the bar", 0, 0, 10, 10, 5, 5, 1, 160, 800, false, true},
      {"spacing around every cell", 0, 10, 600, 400, 3, 1, 3, 520, 180, false, false},
      {"no cells", 0, 0, 500, 400, 0, 0, 0, 0, 0, false, false},
      {"fixed, fewer cells than a band", 4, 0, 500, 400, 3, 1, 3, 480, 160, false, false},
      {"fixed, last row partly empty", 4, 0, 500, 400, 9, 3, 4, 640, 480, true, true},
      {"fixed, fits", 2, 0, 500, 400, 4, 2, 2, 320, 320, false, false},
  };
  for (const Case& c : cases) {
    ZorvinArea area;
    ASSERT_EQ(area.SetCellsInBand(c.cellsInBand), 0);
    ASSERT_EQ(area.SetCellSpacing(c.spacing, c.spacing), 0);
    Access::LayOut(area, c.width, c.height, c.count);
    EXPECT_EQ(area.GetRowCount(), c.rows) << c.what;
    EXPECT_EQ(area.GetColumnCount(), c.columns) << c.what;
    EXPECT_EQ(area.GetContentSize().width, c.contentWidth) << c.what;
    EXPECT_EQ(area.GetContentSize().height, c.contentHeight) << c.what;
    EXPECT_EQ(area.GetDocSize().height, c.contentHeight) << c.what;
    EXPECT_EQ(area.IsHorzScrollVisible(), c.horzNeeded) << c.what;
    EXPECT_EQ(area.IsVertScrollVisible(), c.vertNeeded) << c.what;
  }
}

TEST(ZorvinAreaLayout, CellsSmallerThanAPixelGiveAnEmptyLayout) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSize(0, 160), 0);
  Access::LayOut(area, 500, 400, 7);
  EXPECT_EQ(area.GetRowCount(), 0);
  EXPECT_EQ(area.GetColumnCount(), 0);
  EXPECT_EQ(area.GetContentSize().height, 0);
  CellLocation first, last;
  area.GetVisibleCellsBlock(&first, &last);
  EXPECT_TRUE(first.IsNone());
  EXPECT_TRUE(last.IsNone());
}

TEST(ZorvinAreaLayout, AnAreaNarrowerThanTheBarStillHoldsOneCellPerRow) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSize(1, 1), 0);
  Access::LayOut(area, 10, 20, 500); // 10 per row overflow; 10 less the bar is negative
  EXPECT_EQ(area.GetColumnCount(), 1);
  EXPECT_EQ(area.GetRowCount(), 500);
  EXPECT_EQ(area.GetContentSize().height, 500);
  EXPECT_EQ(area.CellIndexToLocation(500), CellLocation(500, 1));
}

TEST(ZorvinAreaLayout, CellsPerRowLessTheScrollBar) {
  ZorvinArea area;
  Access::LayOut(area, 490, 400, 0);
  EXPECT_EQ(area.CalcCellsPerRow(false), 3);
  EXPECT_EQ(area.CalcCellsPerRow(true), 2); // 474 holds two cells of 160
  ASSERT_EQ(area.SetCellsInBand(5), 0);
  EXPECT_EQ(area.CalcCellsPerRow(true), 5);
}

TEST(ZorvinAreaLayout, SettersRefuseBadValuesAndKeepTheOldOnes) {
  ZorvinArea area;
  EXPECT_EQ(area.SetCellsInBand(-1), -50);
  EXPECT_EQ(area.SetAlignment(3, 0), -50);
  EXPECT_EQ(area.SetAlignment(0, -1), -50);
  EXPECT_EQ(area.SetCellSize(-1, 10), -50);
  EXPECT_EQ(area.SetCellSpacing(0, -1), -50);
  EXPECT_EQ(area.GetCellsInBand(), 0);
  EXPECT_EQ(area.GetCellWidth(), 160);
  EXPECT_EQ(area.GetCellYSpacing(), 0);

  ASSERT_EQ(area.SetAlignment(1, 2), 0);
  ASSERT_EQ(area.SetCellSize(120, 90), 0);
  ASSERT_EQ(area.SetCellSpacing(4, 6), 0);
  EXPECT_EQ(area.GetHorzAlignment(), 1);
  EXPECT_EQ(area.GetVertAlignment(), 2);
  EXPECT_EQ(area.GetCellHeight(), 90);
  EXPECT_EQ(area.GetCellXSpacing(), 4);
}

TEST(ZorvinAreaLayout, CornerRadiiMustFitHalfTheCell) {
  struct Case {
    int32_t cellWidth, x, y, result;
  } cases[] = {
      {0, 0, 0, 0},      // square corners need no valid cell
      {160, 81, 0, -50}, // wider than half
      {160, 80, 80, 0},  {160, -1, 10, -50}, {160, 10, -1, -50}, {160, 0, 81, -50},
  };
  for (const Case& c : cases) {
    ZorvinArea area;
    ASSERT_EQ(area.SetCellSize(c.cellWidth, c.cellWidth), 0);
    EXPECT_EQ(area.SetCellCornerRadii(c.x, c.y), c.result) << c.x << "," << c.y;
    if (c.result == 0) {
      EXPECT_EQ(area.GetCellCornerXRadius(), c.x);
      EXPECT_TRUE(Access::NeedsRedraw(area));
    } else {
      EXPECT_EQ(area.GetCellCornerXRadius(), 0);
    }
  }
}

TEST(ZorvinAreaLayout, CellRectanglesStartOneGapIn) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSpacing(10, 20), 0);
  Access::LayOut(area, 600, 400, 6);
  const CGRect second = area.GetCellRect(CellLocation(2, 2), false);
  EXPECT_TRUE(CGRectEqualToRect(second, CGRectMake(180, 200, 160, 160)));
  const CGRect padded = area.GetCellRect(CellLocation(2, 2), true);
  EXPECT_TRUE(CGRectEqualToRect(padded, CGRectMake(175, 190, 170, 180)));
}

TEST(ZorvinAreaLayout, ContentSmallerThanTheViewSitsByItsAlignment) {
  struct Case {
    int32_t alignment;
    float origin;
  } cases[] = {{0, 0}, {1, 90}, {2, 180}};
  for (const Case& c : cases) {
    ZorvinArea area;
    Access::LayOut(area, 500, 400, 2); // content 320 in a 500 view
    ASSERT_EQ(area.SetAlignment(c.alignment, 0), 0);
    EXPECT_EQ(Access::Origin(area).x, c.origin) << c.alignment;
  }
  ZorvinArea scrolled;
  Access::SetContentFrame(scrolled, CGRectMake(0, 0, 400, 300));
  Access::SetContentSize(scrolled, CGSizeMake(1000, 300));
  Access::SetOrigin(scrolled, CGPointMake(-700, 0));
  Access::AdjustOrigin(scrolled);
  EXPECT_EQ(Access::Origin(scrolled).x, -600); // never past the end
}

TEST(ZorvinAreaLayout, ViewsLeaveRoomForTheNeededBars) {
  ZorvinArea area;
  Access::LayOut(area, 500, 400, 7);
  EXPECT_TRUE(CGRectEqualToRect(Access::ContentFrame(area), CGRectMake(0, 0, 484, 400)));
  ASSERT_EQ(area.SetCellsInBand(4), 0);
  EXPECT_TRUE(CGRectEqualToRect(Access::ContentFrame(area), CGRectMake(0, 0, 500, 384)));
}

} // namespace
