#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>

#include "grid/ZorvinArea.h"
#include "host/ZorvinLongVar.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

using Access = ZorvinAreaTestAccess;
using hosttest::Str;
using hosttest::U;

// A 500 x 400 area of 160 x 160 cells: 3 x 3 cells in view whatever the count.
class ZorvinAreaCellData : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
    Access::SetAreaFrame(*fArea, CGRectMake(0, 0, 500, 400));
    // Each evaluation appends the cell's number to `evaluated`.
    ASSERT_EQ(zvhost::DefineMethod("Caption", "evaluated:=evaluated+String(gZVCurrentCell)+\",\"\n"
                                              "$0:=\"Cell \"+String(gZVCurrentCell)"),
              0);
    Run("evaluated:=\"\"");
  }

  void TearDown() override {
    fArea.reset();
    HostTest::TearDown();
  }

  void SetCount(const char16_t* expression) {
    ASSERT_EQ(fArea->SetCountExpression(U(expression)), 0);
  }

  void ExpectEvaluated(const std::string& cells) {
    Run("ASSERT(evaluated=\"" + cells + "\")");
    Run("evaluated:=\"\"");
  }

  std::u16string Caption(uint32_t cell) {
    CellData data = Access::Cache(*fArea).GetCellData(cell);
    return data.fCaption != nullptr ? Str(data.fCaption) : u"<none>";
  }

  std::unique_ptr<ZorvinArea> fArea;
};

TEST_F(ZorvinAreaCellData, OnlyTheVisibleBlockIsEvaluatedAndEachCellOnce) {
  ASSERT_EQ(fArea->SetCaptionExpression(U(u"Caption")), 0);
  SetCount(u"3*4");
  EXPECT_EQ(fArea->GetCellCount(), 12);
  ExpectEvaluated("1,2,3,4,5,6,7,8,9,");
  EXPECT_EQ(Caption(9), u"Cell 9");
  EXPECT_EQ(Caption(10), u"<none>");
  EXPECT_EQ(fArea->LoadVisibleCellData(), 0);
  ExpectEvaluated("");

  Access::SetOrigin(*fArea, CGPointMake(0, -330)); // rows 3 and 4 in view
  EXPECT_EQ(fArea->LoadVisibleCellData(), 3);
  ExpectEvaluated("10,11,12,");
  EXPECT_EQ(Access::LoadDepth(*fArea), 0);
}

TEST_F(ZorvinAreaCellData, TheCurrentCellVariableHoldsTheCellNumber) {
  ASSERT_EQ(fArea->SetCaptionExpression(U(u"String(gZVCurrentCell)")), 0);
  SetCount(u"20");
  Access::SetOrigin(*fArea, CGPointMake(0, -500));
  fArea->LoadCellData(17);
  Run("ASSERT(gZVCurrentCell=17)");
  EXPECT_EQ(Caption(17), u"17");
  EXPECT_EQ(Caption(8), u"8");
}

TEST_F(ZorvinAreaCellData, CaptionsOfEveryKindBecomeCrLfText) {
  struct Case {
    const char16_t* expression;
    const char16_t* caption;
  } cases[] = {
      {u"\"Cell \"+String(gZVCurrentCell)", u"Cell 1"},
      {u"1234", u"1234"},
      {u"\"one\"+Char(10)+\"two\"", u"one\r\ntwo"},
      {u"\"\"", u""},
      {u"nothing", u"<none>"}, // an undefined variable fails to evaluate
  };
  SetCount(u"1");
  for (size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_EQ(fArea->SetCaptionExpression(U(cases[i].expression)), 0);
    EXPECT_EQ(Caption(1), cases[i].caption) << "case " << i;
  }
}

TEST_F(ZorvinAreaCellData, PicturesBecomeNativeImagesAndOtherValuesNoPicture) {
  Run(std::string("READ PICTURE FILE(\"") + ZORVI_TEST_DATA_DIR + "/rgb3x2.png\"; pic)");
  SetCount(u"2");
  ASSERT_EQ(fArea->SetPictureExpression(U(u"pic")), 0);
  CellData data = Access::Cache(*fArea).GetCellData(2);
  ASSERT_NE(data.fPicture, nullptr);
  EXPECT_EQ(data.fPicture->fWidth, 3);
  EXPECT_EQ(data.fPicture->fHeight, 2);
  EXPECT_EQ(Access::Cache(*fArea).GetByteTotal(), 2u * 3 * 2 * 4);

  ASSERT_EQ(fArea->SetPictureExpression(U(u"\"not a picture\"")), 0);
  data = Access::Cache(*fArea).GetCellData(1);
  EXPECT_TRUE(data.IsLoaded());
  EXPECT_EQ(data.fPicture, nullptr);
}

TEST_F(ZorvinAreaCellData, WithoutCacheSlotsCellsAreEvaluatedAndNothingIsKept) {
  Run(std::string("READ PICTURE FILE(\"") + ZORVI_TEST_DATA_DIR + "/rgb3x2.png\"; pic)");
  ASSERT_EQ(fArea->SetCaptionExpression(U(u"Caption")), 0);
  ASSERT_EQ(fArea->SetPictureExpression(U(u"pic")), 0);
  SetCount(u"2");
  ExpectEvaluated("1,2,");
  Access::Cache(*fArea).Cleanup(); // as when the slots could not be allocated
  EXPECT_EQ(fArea->LoadVisibleCellData(), 2);
  ExpectEvaluated("1,2,");
  EXPECT_FALSE(Access::Cache(*fArea).GetCellData(1).IsLoaded());
  EXPECT_EQ(zvhost::CountLiveObjects().nativeImages, 0);
}

TEST_F(ZorvinAreaCellData, CountsThatFailOrAreNegativeGiveNoCells) {
  SetCount(u"7");
  EXPECT_EQ(fArea->GetRowCount(), 3);
  SetCount(u"-5");
  EXPECT_EQ(fArea->GetCellCount(), 0);
  EXPECT_EQ(fArea->GetRowCount(), 0);
  SetCount(u"undefinedVariable");
  EXPECT_EQ(fArea->GetCellCount(), 0);
  EXPECT_EQ(std::u16string(u"undefinedVariable"), Str(fArea->GetCountExpression()));

  // A text that does not tokenize keeps the expression in force.
  EXPECT_NE(fArea->SetCountExpression(U(u"If (")), 0);
  EXPECT_EQ(std::u16string(u"undefinedVariable"), Str(fArea->GetCountExpression()));
  EXPECT_EQ(fArea->SetCountExpression(nullptr), -50);
  fArea->ClearCountExpression();
  EXPECT_EQ(fArea->GetCountExpression(), nullptr);
}

TEST_F(ZorvinAreaCellData, UpdateDataPurgesAndReloadsWhatItDrops) {
  ASSERT_EQ(fArea->SetCaptionExpression(U(u"Caption")), 0);
  SetCount(u"12");
  ExpectEvaluated("1,2,3,4,5,6,7,8,9,");
  struct Case {
    int32_t kind;
    uint32_t first, second;
    int32_t result;
    const char* reloaded;
  } cases[] = {
      {8, 5, 3, 0, "3,4,5,"},
      {8, 6, 0, 0, "6,"},
      {8, 8, 4000000000u, 0, "8,9,"}, // the walk stops at the count
      {8, 0, 0, 0, "1,2,3,4,5,6,7,8,9,"},
      {8, 0, 3, -50, ""},
      {2, 1, 0, -50, ""},
      {3, 0, 0, -50, ""},
      {2, 0, 0, 0, "1,2,3,4,5,6,7,8,9,"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fArea->UpdateData(c.kind, c.first, c.second), c.result)
        << c.kind << " " << c.first << " " << c.second;
    ExpectEvaluated(c.reloaded);
  }
}

TEST_F(ZorvinAreaCellData, ARecountEmptiesTheSelectionBits) {
  SetCount(u"31");
  EXPECT_EQ(Access::SelectionBitsSize(*fArea), 4);
  SetCount(u"32");
  EXPECT_EQ(Access::SelectionBitsSize(*fArea), 8);
  SetCount(u"0");
  EXPECT_FALSE(Access::HasSelectionBits(*fArea));
  // The largest count: either the bits or none, never a crash.
  Access::SetCellCount(*fArea, INT32_MAX);
  fArea->AdjustSelectionArraySize();
  if (Access::HasSelectionBits(*fArea)) {
    EXPECT_EQ(Access::SelectionBitsSize(*fArea), 268435456);
  }
}

TEST_F(ZorvinAreaCellData, TenMillionCellsLoadOnlyTheVisibleBlock) {
  ASSERT_EQ(fArea->SetCaptionExpression(U(u"Caption")), 0);
  SetCount(u"10000000");
  EXPECT_EQ(fArea->GetColumnCount(), 3);
  EXPECT_EQ(fArea->GetRowCount(), 3333334);
  ExpectEvaluated("1,2,3,4,5,6,7,8,9,");
  EXPECT_EQ(Access::Cache(*fArea).GetLinkedCount(), 9);

  Access::SetOrigin(*fArea, CGPointMake(0, -160.0f * 3333333));
  EXPECT_EQ(fArea->LoadVisibleCellData(), 1);
  ExpectEvaluated("10000000,");
}

TEST_F(ZorvinAreaCellData, CacheBoundsAreChecked) {
  EXPECT_EQ(fArea->SetMaxCacheByteSize(1000), -50);
  EXPECT_EQ(fArea->GetMaxCacheByteSize(), 134217728u);
  EXPECT_EQ(fArea->SetMaxCacheByteSize(536870912), 0);
  EXPECT_EQ(fArea->GetMaxCacheByteSize(), 536870912u);
}

} // namespace
