#include <gtest/gtest.h>

#include "tests/ParamNames.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

struct DropCase {
  float x, y;
  uint32_t excluded;
  uint32_t cell;
  DropCellPart part;
};

void PrintTo(const DropCase& c, std::ostream* os) {
  *os << "(" << c.x << ", " << c.y << ") excluding " << c.excluded;
}

// Three 160-wide cells a row with spacing 10 (cells at x 10-170, 180-340, 350-510), 7 cells.
class DropPositionInRows : public testing::TestWithParam<DropCase> {};

TEST_P(DropPositionInRows, FindsTheNearestCellAndTheSideOfItsMiddle) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellSpacing(10, 10), 0);
  ZorvinAreaTestAccess::LayOut(area, 530, 600, 7);
  ASSERT_EQ(area.GetColumnCount(), 3);
  ASSERT_TRUE(area.IsCaretVertical());
  const DropCase& c = GetParam();
  uint32_t cell = 99;
  DropCellPart part = area.GetDropCellAtDocPoint(c.excluded, CGPointMake(c.x, c.y), &cell);
  EXPECT_EQ(cell, c.cell);
  EXPECT_EQ(part, c.part);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropPositionInRows,
    testing::Values(DropCase{20, 20, 0, 1, kDropBefore},    // left half of cell 1
                    DropCase{100, 20, 0, 1, kDropAfter},    // right half of cell 1
                    DropCase{176, 20, 0, 2, kDropBefore},   // the gap's right half goes to cell 2
                    DropCase{5000, 5000, 0, 7, kDropAfter}, // far past the end: after the last
                    DropCase{190, 200, 0, 5, kDropBefore},  // second row
                    DropCase{100, 20, 1, 0, kDropBefore},   // right after itself: no move
                    DropCase{360, 20, 2, 0, kDropBefore},   // cell 2 before cell 3: no move
                    DropCase{20, 20, 2, 1, kDropBefore},    // cell 2 before cell 1: a move
                    DropCase{190, 20, 1, 0, kDropBefore},   // before the cell after it: no move
                    DropCase{300, 20, 1, 2, kDropAfter}),
    paramnames::By([](const DropCase& c) {
      return "x " + std::to_string(int(c.x)) + " y " + std::to_string(int(c.y)) + " without " +
             std::to_string(c.excluded);
    })); // past the next cell: a move

TEST(DropPosition, SingleColumnUsesAHorizontalCaret) {
  ZorvinArea area;
  ASSERT_EQ(area.SetCellsInBand(1), 0);
  ZorvinAreaTestAccess::LayOut(area, 200, 600, 3);
  EXPECT_FALSE(area.IsCaretVertical());
  uint32_t cell = 0;
  EXPECT_EQ(area.GetDropCellAtDocPoint(0, CGPointMake(150, 100), &cell), kDropAfter);
  EXPECT_EQ(cell, 1u);
  EXPECT_EQ(area.GetDropCellAtDocPoint(0, CGPointMake(150, 60), &cell), kDropBefore);
  EXPECT_EQ(cell, 1u);
}

TEST(DropPosition, NoCellsMeansNoPlace) {
  ZorvinArea area;
  ZorvinAreaTestAccess::LayOut(area, 500, 400, 0);
  uint32_t cell = 99;
  EXPECT_EQ(area.GetDropCellAtDocPoint(0, CGPointMake(10, 10), &cell), kDropBefore);
  EXPECT_EQ(cell, 0u);
}

} // namespace
