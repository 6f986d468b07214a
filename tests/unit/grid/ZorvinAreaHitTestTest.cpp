#include <gtest/gtest.h>

#include <vector>

#include "grid/ZorvinArea.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

using Access = ZorvinAreaTestAccess;

TEST(ZorvinAreaHitTest, ColumnsInExactAndNearestModes) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSpacing(10, 10), 0);
  Access::LayOut(area, 600, 400, 3); // one row: cells at 10..170, 180..340, 350..510
  struct Case {
    float x;
    uint32_t exact, nearest;
  } cases[] = {
      {0, 0, 1},   {10, 1, 1},  {100, 1, 1}, {170, 0, 1}, // the right edge is the gap's
      {174, 0, 1}, {175, 0, 2}, {180, 2, 2}, {509, 3, 3},
      {515, 0, 3}, {520, 0, 3}, // the document's right edge is inside it
  };
  for (const Case& c : cases) {
    const CGPoint p = CGPointMake(c.x, 20);
    EXPECT_EQ(area.DocPointToSquaredCellLocation(p, false).fColumn, c.exact) << c.x;
    EXPECT_EQ(area.DocPointToSquaredCellLocation(p, true).fColumn, c.nearest) << c.x;
  }
  EXPECT_EQ(area.DocPointToSquaredCellLocation(CGPointMake(100, 5), false), CellLocation(0, 1));
  EXPECT_TRUE(area.DocPointToSquaredCellLocation(CGPointMake(521, 20), true).IsNone());
  EXPECT_TRUE(area.DocPointToSquaredCellLocation(CGPointMake(-1, 20), true).IsNone());
}

TEST(ZorvinAreaHitTest, RangeCheckedAndClosestVariants) {
  ZorvinArea area;
  Access::LayOut(area, 500, 400, 7); // 3 per row, cell 7 alone in row 3
  const CGPoint emptyTail = CGPointMake(200, 330);
  EXPECT_EQ(area.DocPointToSquaredCellLocation(emptyTail, false), CellLocation(3, 2));
  EXPECT_TRUE(area.DocPointToRangeCheckedCellLocation(emptyTail, false).IsNone());
  EXPECT_EQ(area.DocPointToClosestRangeCheckedCellLocation(emptyTail, false), CellLocation(3, 1));
  EXPECT_EQ(area.DocPointToClosestSquaredCellLocation(CGPointMake(-50, 9000), true),
            CellLocation(3, 1));
  EXPECT_EQ(area.DocPointToRangeCheckedCellLocation(CGPointMake(10, 10), false),
            CellLocation(1, 1));
}

TEST(ZorvinAreaHitTest, CellNumbersAndLocations) {
  ZorvinArea area;
  Access::LayOut(area, 500, 400, 7);
  EXPECT_TRUE(area.CellIndexToLocation(0).IsNone());
  EXPECT_TRUE(area.CellIndexToLocation(8).IsNone());
  EXPECT_EQ(area.CellIndexToLocation(5), CellLocation(2, 2));
  EXPECT_EQ(area.CellIndexToLocation(7), CellLocation(3, 1));
  EXPECT_EQ(area.CellLocationToIndex(CellLocation(3, 1)), 7u);
  EXPECT_EQ(area.CellLocationToIndex(CellLocation(0, 2)), 0u);
  for (uint32_t cell = 1; cell <= 7; ++cell) {
    EXPECT_EQ(area.CellLocationToIndex(area.CellIndexToLocation(cell)), cell);
  }
}

std::vector<uint32_t> VisitedCells(const ZorvinArea& area, CellBlockIterator cells) {
  std::vector<uint32_t> visited;
  while (cells.HasMoreCells()) {
    visited.push_back(area.CellLocationToIndex(cells.NextCell()));
  }
  return visited;
}

TEST(ZorvinAreaHitTest, TheBlockIteratorVisitsEmptyLocationsToo) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellsInBand(4), 0);
  Access::LayOut(area, 700, 500, 9);
  Access::SetContentFrame(area, CGRectMake(0, 0, 700, 500));
  const std::vector<uint32_t> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  EXPECT_EQ(VisitedCells(area, area.GetVisibleCellsBlockIterator()), all);
  EXPECT_TRUE(VisitedCells(area, CellBlockIterator(CellLocation(), CellLocation(2, 2))).empty());
  EXPECT_TRUE(
      VisitedCells(area, CellBlockIterator(CellLocation(2, 2), CellLocation(1, 1))).empty());
  CellBlockIterator done(CellLocation(1, 1), CellLocation(1, 1));
  EXPECT_EQ(done.NextCell(), CellLocation(1, 1));
  EXPECT_FALSE(done.HasMoreCells());
  EXPECT_TRUE(done.NextCell().IsNone());
}

TEST(ZorvinAreaHitTest, VisibleBlockFollowsTheScrollOrigin) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSize(100, 100), 0);
  Access::LayOut(area, 400, 300, 20); // bar needed: 3 per row in 384, 7 rows
  ASSERT_TRUE(CGRectEqualToRect(Access::ContentFrame(area), CGRectMake(0, 0, 384, 300)));
  Access::SetOrigin(area, CGPointMake(0, -250));
  CellLocation first, last;
  area.GetVisibleCellsBlock(&first, &last);
  EXPECT_EQ(first, CellLocation(3, 1));
  EXPECT_EQ(last, CellLocation(6, 3));
}

TEST(ZorvinAreaCoordinates, SpacesAtScaleOneWithAnOrigin) {
  ZorvinArea area;
  Access::SetAreaFrame(area, CGRectMake(100, 200, 400, 300));
  Access::SetContentFrame(area, CGRectMake(5, 7, 380, 290));
  Access::SetOrigin(area, CGPointMake(-30, -50));
  const CGPoint doc = CGPointMake(10, 20);
  EXPECT_TRUE(CGPointEqualToPoint(area.DocPointToScaled(doc), doc));
  EXPECT_TRUE(CGPointEqualToPoint(area.ViewPointToNatural(area.DocPointToView(doc)), doc));
  const CGPoint view = area.DocPointToView(doc);
  EXPECT_TRUE(CGPointEqualToPoint(view, CGPointMake(-20, -30)));
  const CGPoint port = area.ViewPointToPort(view);
  EXPECT_TRUE(CGPointEqualToPoint(port, CGPointMake(85, 177)));
  EXPECT_TRUE(CGPointEqualToPoint(area.PortPointToView(port), view));
  EXPECT_TRUE(CGPointEqualToPoint(area.DocPointToGlobal(doc), port));
  EXPECT_TRUE(CGPointEqualToPoint(area.GlobalPointToPort(port), port));

  EXPECT_TRUE(CGRectEqualToRect(area.ViewRectToDoc(CGRectMake(0, 0, 100, 50)),
                                CGRectMake(30, 50, 100, 50)));
  EXPECT_TRUE(CGRectEqualToRect(area.DocRectToView(CGRectMake(30, 50, 100, 50)),
                                CGRectMake(0, 0, 100, 50)));
  // A rectangle given with a negative size comes back spanning the same corners.
  EXPECT_TRUE(CGRectEqualToRect(area.ViewRectToPort(CGRectMake(10, 10, -10, -10)),
                                CGRectMake(105, 207, 10, 10)));
  EXPECT_TRUE(CGRectEqualToRect(area.PortRectToView(CGRectMake(105, 207, 10, 10)),
                                CGRectMake(0, 0, 10, 10)));
}

} // namespace
