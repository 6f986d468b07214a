// A live grid area whose cells are put straight into its cache, and pixel probes of what it
// draws into bitmaps.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>

#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"

namespace drawtest {

constexpr uint32_t kBack = 0x336699;
constexpr uint32_t kRed = 0xFF0000;

inline uint32_t Rgb(const gfx::Bitmap& bitmap, int32_t x, int32_t y) {
  gfx::Color color;
  if (bitmap.GetPixel(x, y, &color) != gfx::Status::Ok) {
    return 0xFFFFFFFFu;
  }
  return color.GetValue() & 0xFFFFFF;
}

// Whether anything but `background` shows in the pixel rectangle [x0, x1) x [y0, y1).
inline bool HasInk(const gfx::Bitmap& bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                   uint32_t background) {
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) {
      if (Rgb(bitmap, x, y) != background) {
        return true;
      }
    }
  }
  return false;
}

// A 300 x 200 area of four 100 x 100 cells on a blue-grey background, all in view.
class DrawingTest : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
    ZorvinAreaTestAccess::SetAreaFrame(*fArea, CGRectMake(0, 0, 300, 200));
    fArea->SetBackColor(static_cast<int32_t>(kBack));
    fArea->SetupNativeSelectionColor();
    fArea->SetupNativeCaptionThings();
    ASSERT_EQ(fArea->SetCellSize(100, 100), 0);
    ASSERT_EQ(fArea->SetCountExpression(hosttest::U(u"4")), 0);
  }

  void TearDown() override {
    fArea.reset();
    HostTest::TearDown();
  }

  // The cell's data as if evaluated: an opaque red 3 x 2 picture and/or a caption.
  void Store(uint32_t cell, bool picture, const char16_t* caption) {
    CellData data;
    data.fLoaded = true;
    if (picture) {
      FDPicture source = NewPicture();
      ASSERT_EQ(FourD::CreateNativeImageForScreen(source, &data.fPicture), 0);
      FourD::DisposeFDPicture(source);
    }
    if (caption != nullptr) {
      const size_t bytes = (std::char_traits<char16_t>::length(caption) + 1) * sizeof(PA_Unichar);
      data.fCaption = static_cast<PA_Unichar*>(malloc(bytes));
      memcpy(data.fCaption, caption, bytes);
    }
    ZorvinAreaTestAccess::Cache(*fArea).SetCellData(cell, data);
  }

  // One cell drawn alone, as a capture draws it.
  std::unique_ptr<gfx::Bitmap> DrawPlain(uint32_t cell) {
    auto bitmap = std::make_unique<gfx::Bitmap>(100, 100, gfx::PixelFormat32bppRGB);
    gfx::Graphics graphics(bitmap.get());
    fArea->DrawPlainCell(&graphics, cell);
    graphics.Flush();
    return bitmap;
  }

  std::unique_ptr<ZorvinArea> fArea;
};

} // namespace drawtest
