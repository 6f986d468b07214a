#include <gtest/gtest.h>

#include <vector>

#include "grid/ZorvinAreaManager.h"
#include "plugin/Commands.h"
#include "tests/unit/grid/ZorvinAreaDrawingFixture.h"

namespace {

using drawtest::kBack;
using drawtest::kRed;

class ZorvinAreaCapture : public drawtest::DrawingTest {
protected:
  // The captured picture read back by the host: its size and the pixel at (x, y) as 0xRRGGBB.
  struct Decoded {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t Pixel(int32_t x, int32_t y) const { return pixels[y * width + x] & 0xFFFFFF; }
    std::vector<uint32_t> pixels;
  };

  Decoded Decode(FDPicture picture) {
    Decoded decoded;
    FDNativeImage* image = nullptr;
    EXPECT_EQ(FourD::CreateNativeImageForScreen(picture, &image), 0);
    if (image == nullptr) {
      return decoded;
    }
    decoded.width = image->fWidth;
    decoded.height = image->fHeight;
    for (int32_t y = 0; y < image->fHeight; ++y) {
      const uint32_t* row = image->fPixels + y * (image->fRowBytes / 4);
      decoded.pixels.insert(decoded.pixels.end(), row, row + image->fWidth);
    }
    FourD::DisposeNativeImage(image);
    return decoded;
  }
};

TEST_F(ZorvinAreaCapture, CellsOutsideOneToTheCountAreRefused) {
  for (int32_t cell : {0, 5, -1}) {
    FDPicture picture = nullptr;
    EXPECT_EQ(fArea->CaptureCell(cell, &picture), -108) << cell;
    EXPECT_EQ(picture, nullptr) << cell;
  }
}

TEST_F(ZorvinAreaCapture, ACellNeverLoadedComesOutAsBareBackgroundAtTheCellSize) {
  ASSERT_EQ(fArea->SetCellSize(40, 30), 0);
  ZorvinAreaTestAccess::Cache(*fArea).PurgeCellData(4);
  FDPicture picture = nullptr;
  ASSERT_EQ(fArea->CaptureCell(4, &picture), 0);
  ASSERT_NE(picture, nullptr);
  const Decoded decoded = Decode(picture);
  FourD::DisposeFDPicture(picture);
  ASSERT_EQ(decoded.width, 40);
  ASSERT_EQ(decoded.height, 30);
  for (uint32_t pixel : decoded.pixels) {
    ASSERT_EQ(pixel & 0xFFFFFF, kBack);
  }
}

TEST_F(ZorvinAreaCapture, TheCaptureShowsThePictureButNoSelectionFrame) {
  ASSERT_EQ(fArea->SetPictureRect(CGRectMake(50, 50, 50, 50)), 0);
  ASSERT_EQ(fArea->SetPictureDisplayFormat(2), 0);
  Store(2, true, nullptr);
  ZorvinAreaTestAccess::SetCellSelected(*fArea, 2);
  FDPicture picture = nullptr;
  ASSERT_EQ(fArea->CaptureCell(2, &picture), 0);
  const Decoded decoded = Decode(picture);
  FourD::DisposeFDPicture(picture);
  ASSERT_EQ(decoded.width, 100);
  EXPECT_EQ(decoded.Pixel(75, 75), kRed);
  EXPECT_EQ(decoded.Pixel(2, 25), kBack);
}

class ZorvinAreaCaptureCommand : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_TRUE(InitZorvinArea());
    AreaParams params{};
    ASSERT_NE(gZorvinAreaManager->HandleNewArea(&params, &fRef), nullptr);
  }
  void TearDown() override {
    DeinitZorvinArea();
    HostTest::TearDown();
  }
  int32_t fRef = 0;
};

TEST_F(ZorvinAreaCaptureCommand, ThePictureGivenIsDisposedOfBeforeAnyCheck) {
  struct Case {
    int32_t refOffset; // 0: the live area
    int32_t cell;
    int32_t result;
    bool picture;
  } cases[] = {{1000, 1, -50, false}, {0, 3, -108, false}, {0, 2, 0, true}};
  auto* grid = static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(fRef));
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->SetCountExpression(hosttest::U(u"2")), 0);
  for (const Case& c : cases) {
    FDPicture picture = NewPicture(); // the host counts it as a leak unless disposed of
    EXPECT_EQ(ZV_CaptureCell(fRef + c.refOffset, c.cell, &picture), c.result) << c.cell;
    EXPECT_EQ(picture != nullptr, c.picture) << c.cell;
    if (picture != nullptr) {
      FourD::DisposeFDPicture(picture);
    }
  }
}

} // namespace
