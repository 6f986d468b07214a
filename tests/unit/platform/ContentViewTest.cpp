#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "platform/win/ContentView.h"
#include "tests/unit/grid/ZorvinAreaDrawingFixture.h"

namespace {

using drawtest::HasInk;
using drawtest::kBack;
using drawtest::kRed;
using drawtest::Rgb;
using Access = ZorvinAreaTestAccess;

constexpr uint32_t kWhite = 0xFFFFFF;

// Two rows of three 100 x 100 cells fill the 300 x 200 view; the first four cells are red
// pictures that cover their cells.
class ContentViewDrawing : public drawtest::DrawingTest {
protected:
  void SetUp() override {
    DrawingTest::SetUp();
    ASSERT_EQ(fArea->SetPictureRect(CGRectMake(0, 0, 100, 100)), 0);
    ASSERT_EQ(fArea->SetPictureDisplayFormat(2), 0);
    for (uint32_t cell = 1; cell <= 4; ++cell) {
      Store(cell, true, nullptr);
    }
    Access::SetContentFrame(*fArea, CGRectMake(0, 0, 300, 200));
    Access::SetOrigin(*fArea, CGPointZero);
  }

  // A white window surface that the area draws into.
  std::unique_ptr<gfx::Bitmap> Window(int32_t width, int32_t height) {
    auto bitmap = std::make_unique<gfx::Bitmap>(width, height, gfx::PixelFormat32bppRGB);
    gfx::Graphics graphics(bitmap.get());
    graphics.Clear(gfx::Color(255, 255, 255));
    return bitmap;
  }
};

TEST_F(ContentViewDrawing, TheBackBufferHasTheViewsWholePixelSizeAndNoneWithoutWidth) {
  struct Case {
    CGSize view;
    int32_t width, height; // 0: no buffer
  } cases[] = {{CGSizeMake(300, 200), 300, 200},
               {CGSizeMake(120.7f, 80.2f), 120, 80},
               {CGSizeMake(0, 200), 0, 0},
               {CGSizeMake(0.5f, 200), 0, 0}};
  for (const Case& c : cases) {
    Access::SetContentFrame(*fArea, CGRectMake(0, 0, c.view.width, c.view.height));
    ContentView::CheckBackBuffer(fArea.get());
    const gfx::Bitmap* buffer = Access::BackBuffer(*fArea);
    if (c.width == 0) {
      EXPECT_FALSE(Access::HasBackBuffer(*fArea)) << c.view.width;
      continue;
    }
    ASSERT_NE(buffer, nullptr) << c.view.width;
    EXPECT_EQ(buffer->GetWidth(), c.width);
    EXPECT_EQ(buffer->GetHeight(), c.height);
    ContentView::CheckBackBuffer(fArea.get());
    EXPECT_EQ(Access::BackBuffer(*fArea), buffer) << "kept while the size holds";
  }
}

TEST_F(ContentViewDrawing, RoundedCellsShowTheBackgroundInTheirCorners) {
  struct Case {
    int32_t radius;
    uint32_t corner;
  } cases[] = {{0, kRed}, {20, kBack}};
  for (const Case& c : cases) {
    ASSERT_EQ(fArea->SetCellCornerRadii(c.radius, c.radius), 0);
    auto window = Window(300, 200);
    gfx::Graphics graphics(window.get());
    ContentView::Draw(fArea.get(), &graphics);
    graphics.Flush();
    EXPECT_EQ(Rgb(*window, 101, 1), c.corner) << c.radius;
    EXPECT_EQ(Rgb(*window, 150, 50), kRed) << c.radius;
    EXPECT_EQ(Rgb(*window, 250, 150), kBack) << "cell 6 does not exist";
  }
}

TEST_F(ContentViewDrawing, TheBufferLandsAtTheContentViewsPlaceInThePort) {
  Access::SetAreaFrame(*fArea, CGRectMake(20, 10, 300, 200));
  Access::SetOrigin(*fArea, CGPointMake(-50, 0)); // scrolled half a cell
  auto window = Window(400, 300);
  gfx::Graphics graphics(window.get());
  ContentView::Draw(fArea.get(), &graphics);
  graphics.Flush();
  EXPECT_EQ(Rgb(*window, 19, 50), kWhite);
  EXPECT_EQ(Rgb(*window, 20, 50), kRed);
  EXPECT_EQ(Rgb(*window, 319, 150), kBack); // half of cell 6's column, past the last cell
  EXPECT_EQ(Rgb(*window, 320, 50), kWhite);
  EXPECT_EQ(Rgb(*window, 60, 209), kRed); // cell 4
  EXPECT_EQ(Rgb(*window, 60, 210), kWhite);
}

// The widest caret a command accepts, with arrowheads, over the edge between cells 1 and 2: its
// band and arrows cover the whole view, and nothing of it lands beyond the view in the window.
TEST_F(ContentViewDrawing, TheWidestCaretCoversItsEdgeAndStaysInTheView) {
  Access::SetAreaFrame(*fArea, CGRectMake(20, 10, 300, 200));
  ASSERT_EQ(fArea->SetDragOptions(4, 2147483647, 0x00FF00, 0), 0);
  fArea->EnableDragCaret(2, kDropBefore);
  auto window = Window(400, 300);
  gfx::Graphics graphics(window.get());
  ContentView::Draw(fArea.get(), &graphics);
  graphics.Flush();
  EXPECT_EQ(Rgb(*window, 120, 60), 0x00FF00u) << "the edge";
  EXPECT_EQ(Rgb(*window, 300, 150), 0x00FF00u) << "the arrowhead reaches the far corner";
  EXPECT_EQ(Rgb(*window, 20, 10), 0x00FF00u);
  for (const auto& [x, y] : {std::pair{19, 60}, {320, 60}, {120, 9}, {120, 210}, {0, 0}}) {
    EXPECT_EQ(Rgb(*window, x, y), kWhite) << x << "," << y;
  }
}

TEST_F(ContentViewDrawing, ADirtyRectangleRepaintsOnlyItself) {
  auto buffer = Window(300, 200);
  gfx::Graphics graphics(buffer.get());
  // Cell 2 exactly: its neighbours only touch it.
  const CGRect dirty = CGRectMake(100, 0, 100, 100);
  ContentView::DrawAtPortOrigin(fArea.get(), &graphics, &dirty);
  graphics.Flush();
  EXPECT_EQ(Rgb(*buffer, 50, 50), kWhite);
  EXPECT_EQ(Rgb(*buffer, 150, 50), kRed);
  EXPECT_EQ(Rgb(*buffer, 250, 50), kWhite);
  EXPECT_EQ(Rgb(*buffer, 150, 150), kWhite);
}

TEST_F(ContentViewDrawing, NothingIsDrawnWhileCellsAreLoading) {
  Access::SetLoadDepth(*fArea, 1);
  auto window = Window(300, 200);
  gfx::Graphics graphics(window.get());
  ContentView::Draw(fArea.get(), &graphics);
  ContentView::RedrawViewRectImmediately(fArea.get(), CGRectMake(0, 0, 300, 200));
  graphics.Flush();
  EXPECT_FALSE(HasInk(*window, 0, 0, 300, 200, kWhite));
  EXPECT_FALSE(Access::HasBackBuffer(*fArea));
  Access::SetLoadDepth(*fArea, 0);
}

TEST_F(ContentViewDrawing, CopyingMovesPixelsInsideTheBuffer) {
  ContentView::RedrawViewRectImmediately(fArea.get(), CGRectMake(0, 0, 300, 200));
  ASSERT_TRUE(Access::HasBackBuffer(*fArea));
  const gfx::Bitmap& buffer = *Access::BackBuffer(*fArea);
  ASSERT_EQ(Rgb(buffer, 250, 150), kBack);
  ContentView::CopyBackBuffer(fArea.get(), CGRectMake(0, 0, 100, 100),
                              CGRectMake(200, 100, 100, 100));
  EXPECT_EQ(Rgb(buffer, 250, 150), kRed);
  EXPECT_EQ(Rgb(buffer, 199, 150), kBack); // cell 5, beside the copy, untouched
}

} // namespace
