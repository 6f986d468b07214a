// Cells redrawn from their renderings: never stale after a change of data or look, and bounded.
#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "grid/CellRenderCache.h"
#include "platform/win/ContentView.h"
#include "tests/unit/grid/ZorvinAreaDrawingFixture.h"

namespace {

using drawtest::kBack;
using drawtest::kRed;
using drawtest::Rgb;
using Access = ZorvinAreaTestAccess;

std::unique_ptr<gfx::Bitmap> CellBitmap(int32_t side) {
  return std::make_unique<gfx::Bitmap>(side, side, gfx::PixelFormat32bppRGB);
}

TEST(CellRenderCache, KeepsOneRenderingPerCellForItsLoadingAndLookWithinTheBound) {
  CellRenderCache cache;
  cache.SetMaxByteSize(3 * 10 * 10 * 4);
  EXPECT_NE(cache.Store(1, 7, CellBitmap(10)), nullptr);
  EXPECT_NE(cache.Find(1, 7), nullptr);
  EXPECT_EQ(cache.Find(1, 8), nullptr) << "another loading of the cell";
  EXPECT_EQ(cache.GetCount(), 0u) << "and the stale rendering is gone";

  for (uint32_t cell = 1; cell <= 3; ++cell) {
    cache.Store(cell, 1, CellBitmap(10));
  }
  cache.Find(1, 1); // 2 is now the least recently drawn
  cache.Store(4, 1, CellBitmap(10));
  EXPECT_EQ(cache.GetCount(), 3u);
  EXPECT_EQ(cache.Find(2, 1), nullptr);
  EXPECT_NE(cache.Find(1, 1), nullptr);
  EXPECT_EQ(cache.Store(5, 1, CellBitmap(20)), nullptr) << "larger than the bound: not kept";
  EXPECT_LE(cache.GetByteTotal(), size_t{3 * 10 * 10 * 4});

  CellLook look;
  look.fCaptionForeColor = 1;
  cache.SetLook(look);
  EXPECT_EQ(cache.GetCount(), 0u) << "a new look drops every rendering";
  cache.SetMaxByteSize(0);
  EXPECT_EQ(cache.Store(1, 1, CellBitmap(1)), nullptr);
}

// The content view of the drawing fixture (300 x 200, four 100 x 100 cells in view) drawn into a
// window twice: the second draw comes from the renderings unless something changed.
class RenderedCells : public drawtest::DrawingTest {
protected:
  void SetUp() override {
    DrawingTest::SetUp();
    ASSERT_EQ(fArea->SetPictureRect(CGRectMake(10, 10, 50, 50)), 0);
    ASSERT_EQ(fArea->SetPictureDisplayFormat(2), 0);
    ASSERT_EQ(fArea->SetCaptionRect(CGRectMake(0, 80, 100, 20)), 0);
    Store(1, true, u"one");
    Access::SetContentFrame(*fArea, CGRectMake(0, 0, 300, 200));
    Access::SetOrigin(*fArea, CGPointZero);
  }

  uint32_t Draw(int32_t x, int32_t y) {
    gfx::Bitmap window(300, 200, gfx::PixelFormat32bppRGB);
    {
      gfx::Graphics graphics(&window);
      ContentView::Draw(fArea.get(), &graphics);
    }
    return Rgb(window, x, y);
  }
};

TEST_F(RenderedCells, ChangesOfLookShowAtTheNextDraw) {
  ASSERT_EQ(Draw(30, 30), kRed);
  ASSERT_EQ(Draw(30, 30), kRed) << "drawn again from its rendering";

  fArea->SetCaptionTextColors(0, 0x00FF00);
  EXPECT_EQ(Draw(50, 95), 0x00FF00u) << "caption colours";
  ASSERT_EQ(fArea->SetPictureRect(CGRectMake(60, 10, 30, 30)), 0);
  Store(1, true, u"one"); // a new rectangle drops the fitted pictures: loaded again
  EXPECT_EQ(Draw(30, 30), kBack) << "picture rectangle";
  EXPECT_EQ(Draw(70, 20), kRed);
  fArea->SetBackColor(0x0000FF);
  EXPECT_EQ(Draw(5, 5), 0x0000FFu) << "back colour";

  FDPicture red = NewPicture();
  ASSERT_EQ(fArea->SetBackPicture(red), 0);
  ASSERT_EQ(fArea->SetBackPictureDisplayFormat(2), 0);
  EXPECT_EQ(Draw(5, 5), kRed) << "back picture";
  ASSERT_EQ(fArea->SetBackPicture(nullptr), 0); // released without marking a redraw
  EXPECT_EQ(Draw(5, 5), 0x0000FFu) << "back picture gone";
  FourD::DisposeFDPicture(red);
}

TEST_F(RenderedCells, AnotherLoadingOfTheCellShowsItsNewData) {
  ASSERT_EQ(Draw(30, 30), kRed);
  Access::Cache(*fArea).PurgeCellData(1);
  EXPECT_EQ(Draw(30, 30), kBack) << "unloaded: bare background";
  Store(1, true, nullptr);
  EXPECT_EQ(Draw(30, 30), kRed);
}

TEST_F(RenderedCells, UnscaledWholePixelPlacesOnlyAndNeverMoreThanAFewScreens) {
  // A half-pixel origin draws the cells as they are, the same as through renderings otherwise.
  Access::SetOrigin(*fArea, CGPointMake(0.5f, 0));
  EXPECT_EQ(Draw(31, 30), kRed);
  for (uint32_t cell = 2; cell <= 4; ++cell) {
    Store(cell, true, nullptr);
  }
  Access::SetOrigin(*fArea, CGPointZero);
  Draw(0, 0);
  EXPECT_LE(Access::RenderedCells(*fArea).GetByteTotal(), size_t{4 * 1024 * 1024});
  EXPECT_EQ(Access::RenderedCells(*fArea).GetCount(), 4u);
}

} // namespace
