// Arrays live in host handles in the host array block layout, so that a plug-in can read and
// resize them itself through the memory and text-block operations.
#include <cstring>

#include "FakePlugin.h"
#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;

struct ArrayBlockView {
  uint8_t kind;
  int32_t count;
  FDHandle handle;
};

ArrayBlockView GetArray(const char16_t* name) {
  FDEngineBlock b = NewBlock();
  b.fUName = U(name);
  b = Call(kFDGetVariable, b);
  EXPECT_EQ(0, b.fError);
  return {b.fValue.fBytes[kFDArrayKindOffset], Load<int32_t>(b.fValue, kFDArrayCountOffset),
          Load<FDHandle>(b.fValue, kFDArrayHandleOffset)};
}

int32_t HandleSize(FDHandle h) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = kFDMemGetSize;
  b.fHandle = h;
  return Call(kFDMemory, b).fParam2;
}

struct ElementCase {
  const char* declaration;
  uint8_t kind;
  int32_t elementSize;
};

class ArrayElements : public HostTest, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(ArrayElements, HandleHoldsCountPlusOneElements) {
  Run(std::string(GetParam().declaration) + "(gArray;3)");
  const ArrayBlockView array = GetArray(u"gArray");
  EXPECT_EQ(GetParam().kind, array.kind);
  EXPECT_EQ(3, array.count);
  EXPECT_EQ(4 * GetParam().elementSize, HandleSize(array.handle));
}

INSTANTIATE_TEST_SUITE_P(
    Host, ArrayElements,
    ::testing::Values(ElementCase{"ARRAY REAL", kFDArrayReal, 8},
                      ElementCase{"ARRAY INTEGER", kFDArrayInteger, 2},
                      ElementCase{"ARRAY LONGINT", kFDArrayLongint, 4},
                      ElementCase{"ARRAY DATE", kFDArrayDate, 6},
                      ElementCase{"ARRAY PICTURE", kFDArrayPicture, int32_t{sizeof(FDPicture)}},
                      ElementCase{"ARRAY BOOLEAN", kFDArrayBoolean, 1},
                      ElementCase{"ARRAY TEXT", kFDArrayText, int32_t{sizeof(FDStringBlock)}}),
    paramnames::By([](const ElementCase& c) { return std::string(c.declaration); }));

TEST_F(HostTest, TwoDimensionalArrayHoldsArrayBlocks) {
  Run("ARRAY LONGINT(gGrid;2;5)");
  const ArrayBlockView grid = GetArray(u"gGrid");
  EXPECT_EQ(kFDArrayOfArrays, grid.kind);
  EXPECT_EQ(3 * kFDArrayBlockSize, HandleSize(grid.handle));
  const unsigned char* row2 =
      reinterpret_cast<unsigned char*>(*grid.handle) + 2 * kFDArrayBlockSize;
  int32_t rowCount = 0;
  std::memcpy(&rowCount, row2 + kFDArrayCountOffset, 4);
  EXPECT_EQ(kFDArrayLongint, row2[0]);
  EXPECT_EQ(5, rowCount);
}

TEST_F(HostTest, PluginGrowsAnArrayParameterThroughTheHost) {
  // What a plug-in does with an array parameter: grow the data handle, write the count into
  // the host's own block, and set the new element's text through the text-block operations.
  fakeplugin::Install();
  fakeplugin::Command(9, "ZZ_AddName", {kFDTypeTextArrayOut}, [](void* params, void* result) {
    auto* block = fakeplugin::Param<unsigned char>(params, 0);
    FDHandle handle = nullptr;
    std::memcpy(&handle, block + kFDArrayHandleOffset, sizeof(handle));
    FDEngineBlock resize = NewBlock();
    resize.fParam1 = kFDMemSetSize;
    resize.fHandle = handle;
    resize.fParam2 = 3 * static_cast<int32_t>(sizeof(FDStringBlock));
    fakeplugin::SetResult(result, Call(kFDMemory, resize).fError);
    const int32_t count = 2;
    std::memcpy(block + kFDArrayCountOffset, &count, sizeof(count));
    auto* elements = reinterpret_cast<FDStringBlock*>(*handle);
    FDEngineBlock set = NewBlock();
    set.fPtr1 = &elements[2];
    set.fPtr2 = const_cast<PA_Unichar*>(U(u"second"));
    set.fParam1 = 6;
    Call(kFDSetFDString, set);
  });
  Run("ARRAY TEXT(gNames;1)\ngNames{1}:=\"first\"\n$err:=ZZ_AddName(gNames)\n"
      "LOG($err;Size of array(gNames);gNames{1};gNames{2})");
  EXPECT_EQ("0\t2\tfirst\tsecond", fLog.at(0));
  EXPECT_EQ(2, zvhost::CountLiveObjects().textBlocks);
}

TEST_F(HostTest, ArrayFromAVariableIsTheHostsOwnBlock) {
  Run("ARRAY LONGINT(gList;2)");
  const ArrayBlockView first = GetArray(u"gList");
  const ArrayBlockView second = GetArray(u"gList");
  EXPECT_EQ(first.handle, second.handle); // not a copy: the caller must not release it
  EXPECT_EQ(1, zvhost::CountLiveObjects().handles);
}

TEST_F(HostTest, SettingAnArrayCopiesIt) {
  Run("ARRAY TEXT(gFrom;2)\ngFrom{2}:=\"x\"");
  FDEngineBlock get = NewBlock();
  get.fUName = U(u"gFrom");
  get = Call(kFDGetVariable, get);
  FDEngineBlock set = NewBlock();
  set.fUName = U(u"gTo");
  set.fValue = get.fValue;
  ASSERT_EQ(0, Call(kFDSetVariable, set).fError);
  Run("gFrom{2}:=\"changed\"\nLOG(gTo{2};Size of array(gTo))");
  EXPECT_EQ("x\t2", fLog.at(0));
  EXPECT_NE(GetArray(u"gFrom").handle, GetArray(u"gTo").handle);
}

} // namespace
