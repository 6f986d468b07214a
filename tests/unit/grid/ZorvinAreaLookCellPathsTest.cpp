#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "gfx/GraphicsPath.h"
#include "gfx/Region.h"
#include "grid/ZorvinArea.h"
#include "tests/unit/host/HostTestSupport.h"

class ZorvinAreaLookTestAccess {
public:
  static void SetSelectionFrame(ZorvinArea& area, int16_t width, int16_t insetX, int16_t insetY) {
    area.fSelectionFrameWidth = width;
    area.fSelectionInsetX = insetX;
    area.fSelectionInsetY = insetY;
    area.SetupNativeCellPaths();
  }
};

namespace {

using Access = ZorvinAreaLookTestAccess;

// Whether a frame's top-left corner is an arc of `radius` from a box at (`corner`, `corner`):
// tested just inside and just outside where that arc crosses the corner's diagonal.
bool HasCornerRadius(const gfx::GraphicsPath* path, float corner, float radius) {
  const float crossing = corner + radius * (1.0f - 1.0f / std::sqrt(2.0f));
  gfx::Region region(path);
  return region.IsVisible(crossing + 0.05f, crossing + 0.05f) &&
         !region.IsVisible(crossing - 0.05f, crossing - 0.05f);
}

class ZorvinAreaLookCellPaths : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
    ASSERT_EQ(fArea->SetCellSize(100, 100), 0);
  }
  void TearDown() override {
    fArea.reset();
    HostTest::TearDown();
  }
  std::unique_ptr<ZorvinArea> fArea;
};

TEST_F(ZorvinAreaLookCellPaths, SquareCellsHaveNoClipAndARectangularFrame) {
  ASSERT_EQ(fArea->SetCellCornerRadii(0, 0), 0);
  EXPECT_EQ(fArea->GetCellPath(), nullptr);
  EXPECT_EQ(fArea->GetCellClipRegion(), nullptr);
  // Frame width 2 and insets 1: the frame's centre line runs 2 pixels inside the cell.
  ASSERT_NE(fArea->GetSelectionPath(), nullptr);
  gfx::RectF bounds;
  ASSERT_EQ(fArea->GetSelectionPath()->GetBounds(&bounds), gfx::Status::Ok);
  EXPECT_FLOAT_EQ(bounds.X, 2);
  EXPECT_FLOAT_EQ(bounds.Y, 2);
  EXPECT_FLOAT_EQ(bounds.Width, 96);
  EXPECT_FLOAT_EQ(bounds.Height, 96);
  EXPECT_TRUE(gfx::Region(fArea->GetSelectionPath()).IsVisible(2.5f, 2.5f));
}

TEST_F(ZorvinAreaLookCellPaths, RoundedCellsAreClippedToTheirOutline) {
  ASSERT_EQ(fArea->SetCellCornerRadii(20, 10), 0);
  ASSERT_NE(fArea->GetCellPath(), nullptr);
  ASSERT_NE(fArea->GetCellClipRegion(), nullptr);
  const gfx::Region* clip = fArea->GetCellClipRegion();
  EXPECT_FALSE(clip->IsVisible(1, 1));
  EXPECT_FALSE(clip->IsVisible(99, 99));
  EXPECT_TRUE(clip->IsVisible(50, 0.5f));
  EXPECT_TRUE(clip->IsVisible(0.5f, 50));
  EXPECT_TRUE(clip->IsVisible(20, 1));
  gfx::RectF bounds;
  ASSERT_EQ(fArea->GetCellPath()->GetBounds(&bounds), gfx::Status::Ok);
  EXPECT_FLOAT_EQ(bounds.Width, 100);
  EXPECT_FLOAT_EQ(bounds.Height, 100);
}

TEST_F(ZorvinAreaLookCellPaths, SelectionRadiiShrinkByInsetAndHalfTheFrame) {
  ASSERT_EQ(fArea->SetCellCornerRadii(20, 20), 0);
  Access::SetSelectionFrame(*fArea, 2, 1, 1);
  // Inner rectangle from 2 to 98, corner radius 20 - 1 - 1 = 18.
  const gfx::GraphicsPath* frame = fArea->GetSelectionPath();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(HasCornerRadius(frame, 2, 18));
}

TEST_F(ZorvinAreaLookCellPaths, ATooSmallInnerRadiusFramesAPlainRectangle) {
  ASSERT_EQ(fArea->SetCellCornerRadii(1, 1), 0);
  Access::SetSelectionFrame(*fArea, 4, 1, 1);
  // 1 - 1 - 2 = -2: the cell is rounded, its frame is not.
  EXPECT_NE(fArea->GetCellClipRegion(), nullptr);
  ASSERT_NE(fArea->GetSelectionPath(), nullptr);
  EXPECT_TRUE(gfx::Region(fArea->GetSelectionPath()).IsVisible(3.2f, 3.2f));
}

TEST_F(ZorvinAreaLookCellPaths, AnOddFrameWidthTruncatesTheRadiusButNotTheRectangle) {
  ASSERT_EQ(fArea->SetCellCornerRadii(20, 20), 0);
  Access::SetSelectionFrame(*fArea, 3, 0, 0);
  // Inset 1.5 as float; radius 20 - 0 - 1 = 19.
  gfx::RectF bounds;
  ASSERT_EQ(fArea->GetSelectionPath()->GetBounds(&bounds), gfx::Status::Ok);
  EXPECT_FLOAT_EQ(bounds.X, 1.5f);
  EXPECT_FLOAT_EQ(bounds.Width, 97);
  EXPECT_TRUE(HasCornerRadius(fArea->GetSelectionPath(), 1.5f, 19));
}

TEST_F(ZorvinAreaLookCellPaths, AnEmptyCellHasNoOutlinesAtAll) {
  ASSERT_EQ(fArea->SetCellCornerRadii(10, 10), 0);
  ASSERT_EQ(fArea->SetCellSize(0, 100), 0);
  EXPECT_EQ(fArea->GetCellPath(), nullptr);
  EXPECT_EQ(fArea->GetCellClipRegion(), nullptr);
  EXPECT_EQ(fArea->GetSelectionPath(), nullptr);
}

} // namespace
