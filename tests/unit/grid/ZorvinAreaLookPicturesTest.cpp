#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/ImageEncoding.h"
#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "plugin/Commands.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"
#include "zvhost/Host.h"

namespace {

class ZorvinAreaLookPictures : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
  }
  void TearDown() override {
    fArea.reset();
    HostTest::TearDown();
  }
  static int32_t LivePictures() { return zvhost::CountLiveObjects().pictures; }
  static int32_t LiveImages() { return zvhost::CountLiveObjects().nativeImages; }
  std::unique_ptr<ZorvinArea> fArea;
};

TEST_F(ZorvinAreaLookPictures, TheAreaKeepsItsOwnCopyAndImage) {
  FDPicture mine = NewPicture();
  ASSERT_EQ(fArea->SetBackPicture(mine), 0);
  EXPECT_TRUE(ZorvinAreaTestAccess::NeedsRedraw(*fArea));
  EXPECT_NE(fArea->GetBackPictureImage(), nullptr);
  EXPECT_EQ(LivePictures(), 2);
  FourD::DisposeFDPicture(mine);

  FDPicture out = nullptr;
  ASSERT_EQ(fArea->GetBackPicture(&out), 0);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(FourD::GetPictureByteSize(out), static_cast<int32_t>(sizeof hosttest::kRedPng));
  // What the out-argument held is disposed of before the copy goes in.
  ASSERT_EQ(fArea->GetBackPicture(&out), 0);
  EXPECT_EQ(LivePictures(), 2);
  FourD::DisposeFDPicture(out);

  EXPECT_EQ(fArea->GetBackPicture(nullptr), -50);
}

TEST_F(ZorvinAreaLookPictures, NoPictureDropsTheStoredOneAndGivesNone) {
  FDPicture mine = NewPicture();
  ASSERT_EQ(fArea->SetBackPicture(mine), 0);
  FourD::DisposeFDPicture(mine);
  fArea->DidEndExecutionCycle(nullptr);
  ASSERT_EQ(fArea->SetBackPicture(nullptr), 0);
  EXPECT_FALSE(ZorvinAreaTestAccess::NeedsRedraw(*fArea));
  EXPECT_EQ(fArea->GetBackPictureImage(), nullptr);
  EXPECT_EQ(LivePictures(), 0);
  EXPECT_EQ(LiveImages(), 0);
  FDPicture out = NewPicture();
  ASSERT_EQ(fArea->GetBackPicture(&out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(LivePictures(), 0);
}

// The cell-options command on a live area, with a picture of a size the test chooses.
class ZorvinAreaLookCellOptions : public hosttest::HostTest {
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
  ZorvinArea* Grid() { return static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(fRef)); }
  static FDPicture PictureOfSize(int32_t width, int32_t height) {
    gfx::Bitmap bitmap(width, height, gfx::PixelFormat32bppARGB);
    std::vector<uint8_t> png;
    EXPECT_EQ(gfx::EncodePng(bitmap, &png), gfx::Status::Ok);
    FDPicture picture = nullptr;
    EXPECT_EQ(FourD::CreateFDPicture(png.data(), static_cast<int32_t>(png.size()), &picture), 0);
    return picture;
  }
  int32_t fRef = 0;
};

TEST_F(ZorvinAreaLookCellOptions, MinusOneTakesThePictureSizeWithoutFitting) {
  FDPicture picture = PictureOfSize(120, 80);
  EXPECT_EQ(ZV_SetCellOptions(fRef, -1, -1, picture, 6, 0, 0), 0);
  EXPECT_EQ(Grid()->GetCellWidth(), 120);
  EXPECT_EQ(Grid()->GetCellHeight(), 80);
  EXPECT_EQ(Grid()->GetBackPictureDisplayFormat(), 0);
  FourD::DisposeFDPicture(picture);
}

} // namespace
