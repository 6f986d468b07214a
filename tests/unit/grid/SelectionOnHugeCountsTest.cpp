// Select All and reading the selection out on the largest count a grid takes: every walk over
// the whole selection goes a word of 32 cells at a time, which bounds its cost.
#include <gtest/gtest.h>

#include <cstdint>

#include "grid/ZorvinAreaManager.h"
#include "tests/unit/grid/ZorviCommandsInHost.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

using Access = ZorvinAreaTestAccess;

constexpr uint32_t kMostCells = 2147483647;
constexpr uint64_t kWords = kMostCells / 32 + 1;

class SelectionOnHugeCounts : public GridInHost {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    StartGrid("selection_on_huge_counts");
  }
  void TearDown() override {
    StopGrid();
    PluginTest::TearDown();
  }
  static ZorvinArea* TheArea() {
    ZorvinArea* found = nullptr;
    gZorvinAreaManager->DoToAllAreas(
        [](CXArea* area, void* out) {
          *static_cast<ZorvinArea**>(out) = static_cast<ZorvinArea*>(area);
        },
        &found);
    return found;
  }
};

TEST_F(SelectionOnHugeCounts, EachWalkVisitsEveryWordAtMostOnce) {
  Run("C_PICTURE(gNone)\n"
      "gW:=Open window(0;0;500;400)\n"
      "gRef:=Plugin area(gW;\"grid\";0;0;500;400)\n"
      "ASSERT(ZV_SetCellOptions(gRef;100;100;gNone;0;0;0)=0)\n"
      "ASSERT(ZV_SetSelectionOptions(gRef;6;0xFF0000;2)=0)\n"
      "ASSERT(ZV_SetNumCells(gRef;\"2147483647\")=0)\n"
      "IDLE\n"
      "MOUSE CLICK(gW;50;50)\n");
  ZorvinArea* area = TheArea();
  ASSERT_NE(area, nullptr);
  if (!Access::HasSelectionBits(*area)) {
    GTEST_SKIP() << "no memory for a bit per cell";
  }

  Access::ResetSelectionWordVisits(*area);
  Run("SELECT ALL(gW)");
  EXPECT_LE(Access::SelectionWordVisits(*area), kWords);
  EXPECT_EQ(area->SelectedCellCount(), static_cast<int32_t>(kMostCells));
  EXPECT_TRUE(area->IsCellSelected(1));
  EXPECT_TRUE(area->IsCellSelected(kMostCells - 31)) << "the last word holds 31 cells";
  EXPECT_TRUE(area->IsCellSelected(kMostCells));
  EXPECT_EQ(area->GetLastSelectedCell(), kMostCells);

  // Two cells, one in the first word and one in the last: reading them out skips the empty
  // words between.
  Run("ARRAY LONGINT(gCells;2)\n"
      "gCells{1}:=33\n"
      "gCells{2}:=2147483647\n"
      "ASSERT(ZV_SetSelection(gRef;0;gCells)=0)\n");
  Access::ResetSelectionWordVisits(*area);
  Run("ARRAY LONGINT(gBack;0)\n"
      "ASSERT(ZV_GetSelection(gRef;gCell;gBack)=0)\n"
      "ASSERT(Size of array(gBack)=2)\n"
      "ASSERT(gBack{1}=33)\n"
      "ASSERT(gBack{2}=2147483647)\n");
  EXPECT_LE(Access::SelectionWordVisits(*area), kWords);

  // A command-click that takes away the last selected cell looks back for the one before it.
  Run("ASSERT(ZV_RevealCell(gRef;2147483647)=0)");
  const CGRect cell = area->ViewRectToPort(
      area->DocRectToView(area->GetCellRect(area->CellIndexToLocation(kMostCells), false)));
  Access::ResetSelectionWordVisits(*area);
  Run("MOUSE CLICK(gW;" + std::to_string(static_cast<int>(CGRectGetMidX(cell))) + ";" +
      std::to_string(static_cast<int>(CGRectGetMidY(cell))) + ";0x100)");
  EXPECT_FALSE(area->IsCellSelected(kMostCells));
  EXPECT_EQ(area->GetLastSelectedCell(), 33u);
  EXPECT_LE(Access::SelectionWordVisits(*area), kWords);
}

} // namespace
