// The selection model below the commands: the bit array's size, and the add and remove modes
// that no command reaches.
#include <gtest/gtest.h>

#include <string.h>

#include <deque>
#include <memory>
#include <string>

#include "grid/ZorvinArea.h"
#include "host/CArray.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

using Access = ZorvinAreaTestAccess;

class ZorvinAreaSelection : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
    ASSERT_EQ(fArea->SetCountExpression(hosttest::U(u"10")), 0);
    ASSERT_EQ(fArea->SetSelectionOptions(kSelectionMultiple, 0xFF0000, 2), 0);
  }

  void TearDown() override {
    for (CArray& array : fArrays) {
      array.SetArraySize(0);
      FourD::DisposeHandle(array.GetDataHandle());
    }
    fArea.reset();
    HostTest::TearDown();
  }

  // A host long-integer array holding `cells`.
  CArray* Cells(std::initializer_list<int32_t> cells) {
    unsigned char block[kFDArrayBlockSize] = {kFDArrayLongint};
    const auto count = static_cast<int32_t>(cells.size());
    FDHandle data = FourD::NewHandle((count + 1) * 4);
    memset(*data, 0, static_cast<size_t>(count + 1) * 4);
    memcpy(block + kFDArrayCountOffset, &count, sizeof count);
    memcpy(block + kFDArrayHandleOffset, &data, sizeof data);
    CArray& array = fArrays.emplace_back();
    memcpy(&array, block, sizeof block);
    int32_t i = 0;
    for (int32_t cell : cells) {
      array.AtPut(++i, cell);
    }
    return &array;
  }

  std::string Selected() const {
    std::string list;
    for (uint32_t cell = 1; cell <= 10; ++cell) {
      if (fArea->IsCellSelected(cell)) {
        list += std::to_string(cell) + " ";
      }
    }
    return list;
  }

  std::unique_ptr<ZorvinArea> fArea;
  std::deque<CArray> fArrays;
};

TEST_F(ZorvinAreaSelection, TheBitArrayHasAWordForEvery32CellsPlusOne) {
  const struct {
    const char16_t* count;
    int32_t bytes;
  } cases[] = {{u"0", 0}, {u"1", 4}, {u"31", 4}, {u"32", 8}, {u"64", 12}};
  for (const auto& c : cases) {
    ASSERT_EQ(fArea->SetCountExpression(hosttest::U(c.count)), 0);
    EXPECT_EQ(Access::SelectionBitsSize(*fArea), c.bytes);
    EXPECT_EQ(Access::HasSelectionBits(*fArea), c.bytes > 0);
  }
}

TEST_F(ZorvinAreaSelection, AddAndRemoveApplyTheValidCellsAndReportTheOthers) {
  EXPECT_EQ(fArea->ModifySelection(1, Cells({9, 2})), 0);
  EXPECT_EQ(fArea->GetLastSelectedCell(), 2u); // the last element, not the highest
  EXPECT_EQ(fArea->ModifySelection(2, Cells({5, 7})), 0);
  EXPECT_EQ(Selected(), "2 5 7 9 ");
  EXPECT_EQ(fArea->GetLastSelectedCell(), 9u); // the highest after adding
  EXPECT_EQ(fArea->ModifySelection(4, Cells({9, 0, 5})), -29105);
  EXPECT_EQ(Selected(), "2 7 ");
  EXPECT_EQ(fArea->SelectedCellCount(), 2);
  EXPECT_EQ(fArea->GetLastSelectedCell(), 9u); // left as it was after an error
  EXPECT_EQ(fArea->ModifySelection(4, Cells({7})), 0);
  EXPECT_EQ(fArea->GetLastSelectedCell(), 2u);
  EXPECT_EQ(fArea->ModifySelection(2, Cells({11, 3})), -29105);
  EXPECT_EQ(Selected(), "2 3 ");
}

TEST_F(ZorvinAreaSelection, OtherModesAndEmptyArraysChangeNothing) {
  EXPECT_EQ(fArea->ModifySelection(1, Cells({4})), 0);
  for (int32_t mode : {-1, 3, 5, 8}) {
    EXPECT_EQ(fArea->ModifySelection(mode, Cells({6})), -50) << mode;
  }
  EXPECT_EQ(fArea->ModifySelection(1, Cells({})), -50);
  EXPECT_EQ(Selected(), "4 ");
}

TEST_F(ZorvinAreaSelection, ToggleAndRangeKeepTheCount) {
  fArea->ToggleCellSelection(3);
  fArea->ToggleCellSelection(3);
  fArea->ToggleCellSelection(10);
  fArea->SelectCell(10);
  EXPECT_EQ(fArea->SelectedCellCount(), 1);
  EXPECT_EQ(fArea->FindLastSelectedCell(9), 0u);
  EXPECT_EQ(fArea->FindLastSelectedCell(10), 10u);
  fArea->SelectAllCells();
  EXPECT_EQ(fArea->SelectedCellCount(), 10);
  fArea->DeselectCell(4);
  fArea->DeselectCell(4);
  EXPECT_EQ(fArea->SelectedCellCount(), 9);
  EXPECT_EQ(fArea->FindLastSelectedCell(4), 3u);
}

} // namespace
