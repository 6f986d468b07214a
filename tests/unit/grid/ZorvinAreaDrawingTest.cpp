#include <gtest/gtest.h>

#include <iterator>

#include "grid/ZorvinAreaManager.h"
#include "tests/unit/grid/ZorvinAreaDrawingFixture.h"

namespace {

using drawtest::HasInk;
using drawtest::kBack;
using drawtest::kRed;
using drawtest::Rgb;
using Access = ZorvinAreaTestAccess;

class ZorvinAreaDrawing : public drawtest::DrawingTest {};

TEST_F(ZorvinAreaDrawing, ACellNeverLoadedIsBareBackground) {
  ASSERT_EQ(fArea->SetPictureRect(CGRectMake(0, 0, 100, 100)), 0);
  auto bitmap = DrawPlain(3);
  EXPECT_FALSE(HasInk(*bitmap, 0, 0, 100, 100, kBack));
}

TEST_F(ZorvinAreaDrawing, APictureIsFittedIntoItsRectangleAndClippedAtIt) {
  struct Case {
    CGRect rect;
    int32_t format;
    int32_t x, y;
    uint32_t expected;
  } cases[] = {
      {CGRectMake(10, 10, 50, 50), 2, 30, 30, kRed},
      {CGRectMake(10, 10, 50, 50), 2, 5, 5, kBack},
      {CGRectMake(10, 10, 50, 50), 2, 65, 65, kBack},
      // Truncated at the top left: the 3 x 2 picture overflows a 2 x 1 rectangle.
      {CGRectMake(10, 10, 2, 1), 4, 11, 10, kRed},
      {CGRectMake(10, 10, 2, 1), 4, 12, 10, kBack},
      {CGRectMake(10, 10, 2, 1), 4, 10, 11, kBack},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_EQ(fArea->SetPictureRect(cases[i].rect), 0);
    ASSERT_EQ(fArea->SetPictureDisplayFormat(cases[i].format), 0);
    // Each change of fitting drops what the cache held; the cell is stored as if loaded anew.
    Store(1, true, nullptr);
    auto bitmap = DrawPlain(1);
    EXPECT_EQ(Rgb(*bitmap, cases[i].x, cases[i].y), cases[i].expected) << "case " << i;
  }
}

TEST_F(ZorvinAreaDrawing, APictureRectangleOutsideTheCellShowsNothing) {
  Store(1, true, nullptr);
  ASSERT_EQ(fArea->SetPictureRect(CGRectMake(150, 150, 20, 20)), 0);
  ASSERT_EQ(fArea->SetPictureDisplayFormat(2), 0);
  auto bitmap = DrawPlain(1);
  EXPECT_FALSE(HasInk(*bitmap, 0, 0, 100, 100, kBack));
}

TEST_F(ZorvinAreaDrawing, CaptionBackgroundIsPaintedUnlessItsColourIsNone) {
  struct Case {
    int32_t back;
    uint32_t expected;
  } cases[] = {{0x00FF00, 0x00FF00}, {-256, kBack}};
  Store(1, false, u"");
  ASSERT_EQ(fArea->SetCaptionRect(CGRectMake(0, 80, 100, 20)), 0);
  for (const Case& c : cases) {
    fArea->SetCaptionTextColors(0, c.back);
    auto bitmap = DrawPlain(1);
    EXPECT_EQ(Rgb(*bitmap, 50, 90), c.expected) << c.back;
    EXPECT_EQ(Rgb(*bitmap, 50, 70), kBack) << c.back;
  }
}

TEST_F(ZorvinAreaDrawing, CaptionInkStaysInsideItsRectangleAndTallTextStartsAtTheTop) {
  Store(1, false,
        u"A caption long enough to wrap over many lines of the narrow caption rectangle, "
        u"far more than its twenty pixels can hold");
  fArea->SetCaptionTextColors(0, -256);
  ASSERT_EQ(fArea->SetCaptionRect(CGRectMake(10, 40, 80, 20)), 0);
  ASSERT_EQ(fArea->SetCaptionAlignment(-1, 2), 0);
  auto bitmap = DrawPlain(1);
  EXPECT_TRUE(HasInk(*bitmap, 10, 40, 90, 50, kBack)); // the first line, at the top
  EXPECT_FALSE(HasInk(*bitmap, 0, 0, 100, 40, kBack));
  EXPECT_FALSE(HasInk(*bitmap, 0, 60, 100, 100, kBack));
  EXPECT_FALSE(HasInk(*bitmap, 0, 40, 10, 60, kBack));
  EXPECT_FALSE(HasInk(*bitmap, 90, 40, 100, 60, kBack));
}

struct Rows {
  int32_t first;
  int32_t last;
};

// The rows that hold ink; (-1, -1) for none.
Rows InkRows(const gfx::Bitmap& bitmap) {
  int32_t first = -1, last = -1;
  for (int32_t y = 0; y < bitmap.GetHeight(); ++y) {
    if (HasInk(bitmap, 0, y, bitmap.GetWidth(), y + 1, kBack)) {
      first = first < 0 ? y : first;
      last = y;
    }
  }
  return {first, last};
}

TEST_F(ZorvinAreaDrawing, ShortCaptionsSitByTheirVerticalAlignment) {
  Store(1, false, u"Hi");
  fArea->SetCaptionTextColors(0, -256);
  ASSERT_EQ(fArea->SetCaptionRect(CGRectMake(0, 0, 100, 100)), 0);
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 0), 0);
  const auto top = InkRows(*DrawPlain(1));
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 1), 0);
  const auto centre = InkRows(*DrawPlain(1));
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 2), 0);
  const auto bottom = InkRows(*DrawPlain(1));
  ASSERT_GE(top.first, 0);
  EXPECT_LT(top.last, 30);
  EXPECT_GT(centre.first, 30);
  EXPECT_LT(centre.last, 70);
  EXPECT_GT(bottom.first, 70);
  EXPECT_NEAR(centre.first - top.first, bottom.first - centre.first, 1);
}

TEST_F(ZorvinAreaDrawing, OnlySelectedCellsGetTheFrame) {
  Access::SetCellSelected(*fArea, 2);
  for (uint32_t cell : {1u, 2u, 5u}) {
    auto bitmap = std::make_unique<gfx::Bitmap>(100, 100, gfx::PixelFormat32bppRGB);
    gfx::Graphics graphics(bitmap.get());
    fArea->DrawCell(&graphics, fArea->CellIndexToLocation(cell));
    graphics.Flush();
    // Frame width 2 inset by 1: pixels 1 and 2 from each edge.
    const uint32_t frame = cell == 2 ? kRed : kBack;
    EXPECT_EQ(Rgb(*bitmap, 2, 50), frame) << cell;
    EXPECT_EQ(Rgb(*bitmap, 50, 97), frame) << cell;
    EXPECT_EQ(Rgb(*bitmap, 0, 50), kBack) << cell;
    EXPECT_EQ(Rgb(*bitmap, 50, 50), kBack) << cell;
  }
  EXPECT_TRUE(fArea->IsCellSelected(2));
  EXPECT_FALSE(fArea->IsCellSelected(0));
  EXPECT_FALSE(fArea->IsCellSelected(5));
}

// The frame follows the options: 6 pixels of blue inside the 1-pixel inset of a selected cell,
// and neither the old red nor the new blue on a cell that is not selected.
TEST_F(ZorvinAreaDrawing, SelectionOptionsSetTheFramesColourAndWidth) {
  constexpr uint32_t kBlue = 0x0000FF;
  ASSERT_EQ(fArea->SetSelectionOptions(kSelectionMultiple, static_cast<int32_t>(kBlue), 6), 0);
  fArea->SelectCell(3);
  for (uint32_t cell : {3u, 4u}) {
    auto bitmap = std::make_unique<gfx::Bitmap>(100, 100, gfx::PixelFormat32bppRGB);
    gfx::Graphics graphics(bitmap.get());
    fArea->DrawCell(&graphics, fArea->CellIndexToLocation(cell));
    graphics.Flush();
    const uint32_t frame = cell == 3 ? kBlue : kBack;
    for (int32_t inset : {1, 3, 6, 93, 98}) {
      EXPECT_EQ(Rgb(*bitmap, inset, 50), frame) << cell << " at " << inset;
      EXPECT_EQ(Rgb(*bitmap, 50, inset), frame) << cell << " at " << inset;
    }
    EXPECT_EQ(Rgb(*bitmap, 0, 50), kBack) << cell;
    EXPECT_EQ(Rgb(*bitmap, 7, 50), kBack) << cell;
    EXPECT_EQ(Rgb(*bitmap, 92, 50), kBack) << cell;
  }
}

} // namespace

namespace {

class FormEditorPlaceholder : public hosttest::HostTest {};

TEST_F(FormEditorPlaceholder, ClearsTheAreaToWhiteAndWritesTheNameInsideIt) {
  ZorvinAreaManager manager;
  gfx::Bitmap bitmap(400, 200, gfx::PixelFormat32bppRGB); // black
  gfx::Graphics graphics(&bitmap);
  Rect rect{10, 10, 190, 390}; // top, left, bottom, right
  manager.DoDrawStructure14(&graphics, &rect, hosttest::U(u"Gallery area"), 0);
  graphics.Flush();
  EXPECT_EQ(Rgb(bitmap, 10, 10), 0xFFFFFFu);
  EXPECT_EQ(Rgb(bitmap, 389, 189), 0xFFFFFFu);
  EXPECT_EQ(Rgb(bitmap, 9, 100), 0u);
  EXPECT_EQ(Rgb(bitmap, 390, 100), 0u);
  EXPECT_TRUE(HasInk(bitmap, 30, 30, 390, 190, 0xFFFFFF));
  EXPECT_FALSE(HasInk(bitmap, 10, 10, 390, 30, 0xFFFFFF));   // the 20-pixel margin
  manager.DoDrawStructure14(&graphics, nullptr, nullptr, 0); // nothing to draw, no crash
}

} // namespace
