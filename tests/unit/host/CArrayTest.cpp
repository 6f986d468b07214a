#include "host/CArray.h"
#include "host/ValueBlock.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

using hosttest::HostTest;
using hosttest::Str;
using hosttest::U;
using hosttest::Uni;

// An array block laid out as the host lays one out: a handle of count + 1 zeroed elements.
CArray MakeArray(unsigned char kind, int32_t count) {
  unsigned char block[kFDArrayBlockSize] = {kind};
  auto bytes = static_cast<int32_t>((count + 1) * CArray::ElementSize(kind));
  FDHandle data = FourD::NewHandle(bytes);
  EXPECT_NE(data, nullptr);
  if (data != nullptr) {
    memset(*data, 0, static_cast<size_t>(bytes));
  }
  memcpy(block + kFDArrayCountOffset, &count, sizeof count);
  memcpy(block + kFDArrayHandleOffset, &data, sizeof data);
  CArray array;
  memcpy(&array, block, sizeof block);
  return array;
}

void Release(CArray& array) {
  EXPECT_EQ(array.SetArraySize(0), 0);
  EXPECT_EQ(FourD::DisposeHandle(array.GetDataHandle()), 0);
}

std::u16string TextAt(const CArray& array, int32_t index) {
  FDStringBlock text{};
  array.At(index, text);
  return Str(text.fString, text.fLength);
}

TEST(CArrayKinds, ElementSizesFollowTheHostLayout) {
  struct Case {
    unsigned char kind;
    size_t size;
  } cases[] = {{13, kFDArrayBlockSize},
               {14, 8},
               {15, 2},
               {16, 4},
               {17, 6},
               {19, sizeof(FDPicture)},
               {22, 1},
               {34, sizeof(FDStringBlock)},
               {5, 0},
               {9, 0},
               {33, 0},
               {18, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(CArray::ElementSize(c.kind), c.size) << int(c.kind);
  }
}

TEST_F(HostTest, HostTextArrayIsReadAndWrittenInPlace) {
  Run("ARRAY TEXT(t;3)\nt{1}:=\"one\"\nt{2}:=\"two\"\nt{3}:=\"three\"");
  std::u16string name = Uni("t");
  ValueBlock block;
  ASSERT_EQ(FourD::GetVariable(U(name), &block), 0);
  auto* array = reinterpret_cast<CArray*>(block.fBytes);
  ASSERT_TRUE(array->IsArrayUnicode());
  ASSERT_TRUE(array->IsArray());
  EXPECT_EQ(array->GetArraySize(), 3);
  EXPECT_EQ(TextAt(*array, 1), u"one");
  EXPECT_EQ(TextAt(*array, 3), u"three");
  EXPECT_EQ(TextAt(*array, 4), u""); // out of range: four zero words
  EXPECT_EQ(TextAt(*array, -1), u"");

  std::u16string deux = Uni("deux");
  EXPECT_EQ(array->AtPut(2, U(deux)), 0);
  EXPECT_EQ(array->AtPut(3, U(u"")), 0); // disposed and left zeroed
  FDStringBlock third{};
  array->At(3, third);
  EXPECT_EQ(third.fString, nullptr);
  EXPECT_NE(array->AtPut(9, U(deux)), 0);
  Run("ASSERT(t{2}=\"deux\")\nASSERT(t{3}=\"\")\nASSERT(Size of array(t)=3)");
}

TEST_F(HostTest, ShrinkingATextArrayToZeroDisposesEveryText) {
  CArray array = MakeArray(kFDArrayText, 3);
  for (int32_t i = 1; i <= 3; ++i) {
    ASSERT_EQ(array.AtPut(i, U(u"text")), 0);
  }
  EXPECT_EQ(zvhost::CountLiveObjects().textBlocks, 3);
  EXPECT_EQ(array.SetArraySize(0), 0);
  EXPECT_EQ(array.GetArraySize(), 0);
  EXPECT_EQ(zvhost::CountLiveObjects().textBlocks, 0);
  EXPECT_EQ(FourD::GetHandleSize(array.GetDataHandle()),
            static_cast<int32_t>(sizeof(FDStringBlock))); // element 0 stays
  Release(array);
}

TEST_F(HostTest, GrowingAnIntegerArrayKeepsItsItemsAndZeroesTheNewOnes) {
  CArray array = MakeArray(kFDArrayLongint, 2);
  array.AtPut(1, 11);
  array.AtPut(2, 22);
  ASSERT_EQ(array.SetArraySize(5), 0);
  EXPECT_EQ(array.GetArraySize(), 5);
  int32_t expected[] = {0, 11, 22, 0, 0, 0};
  for (int32_t i = 0; i <= 5; ++i) {
    int32_t value = -1;
    array.At(i, value);
    EXPECT_EQ(value, expected[i]) << i;
  }
  int32_t value = -1;
  array.At(7, value);
  EXPECT_EQ(value, 0);
  array.AtPut(7, 5); // nothing
  array.AtPut(5, 22);
  EXPECT_EQ(array.Find(22), 2);
  EXPECT_EQ(array.Find(99), -1);
  EXPECT_EQ(array.SetArraySize(-1), kFDErrBadParameter);
  EXPECT_EQ(array.GetArraySize(), 5);
  Release(array);
}

TEST_F(HostTest, ResizingThatTheHostCannotServeKeepsTheCount) {
  CArray array = MakeArray(kFDArrayReal, 1);
  array.AtPut(1, 2.5);
  zvhost::SetHostMemoryLimit(4096);
  EXPECT_EQ(array.SetArraySize(100000), kFDErrNoMemory);
  EXPECT_EQ(array.GetArraySize(), 1);
  double value = 0;
  array.At(1, value);
  EXPECT_EQ(value, 2.5);
  zvhost::SetHostMemoryLimit(SIZE_MAX);
  Release(array);
}

TEST_F(HostTest, ShrinkingAPictureArrayDisposesThePicturesCut) {
  CArray array = MakeArray(kFDArrayPicture, 2);
  for (int32_t i = 1; i <= 2; ++i) {
    FDPicture picture = NewPicture();
    memcpy(array.ComputeAddress(i), &picture, sizeof picture);
  }
  EXPECT_EQ(zvhost::CountLiveObjects().pictures, 2);
  EXPECT_EQ(array.SetArraySize(1), 0);
  EXPECT_EQ(zvhost::CountLiveObjects().pictures, 1);
  Release(array);
  EXPECT_EQ(zvhost::CountLiveObjects().pictures, 0);
}

TEST_F(HostTest, ArraysOfArraysGrowWithEmptyRowsOfTheFirstRowsKind) {
  CArray outer = MakeArray(kFDArrayOfArrays, 0);
  CArray model = MakeArray(kFDArrayText, 0);
  memcpy(outer.ComputeAddress(0), &model, sizeof model);
  int handlesBefore = zvhost::CountLiveObjects().handles;

  ASSERT_EQ(outer.SetArraySize(2), 0);
  EXPECT_EQ(zvhost::CountLiveObjects().handles, handlesBefore + 2);
  auto* row = static_cast<CArray*>(outer.ComputeAddress(2));
  ASSERT_TRUE(row->IsArrayUnicode());
  EXPECT_EQ(row->GetArraySize(), 0);
  EXPECT_EQ(FourD::GetHandleSize(row->GetDataHandle()),
            static_cast<int32_t>(sizeof(FDStringBlock)));
  ASSERT_EQ(row->SetArraySize(2), 0);
  ASSERT_EQ(row->AtPut(2, U(u"nested")), 0);

  // Shrinking releases the rows cut, texts included, and leaves the data handle as it was.
  EXPECT_EQ(outer.SetArraySize(0), 0);
  EXPECT_EQ(zvhost::CountLiveObjects().textBlocks, 0);
  EXPECT_EQ(zvhost::CountLiveObjects().handles, handlesBefore);
  EXPECT_EQ(outer.GetState() & kFDMemLockedState, 0);

  auto* first = static_cast<CArray*>(outer.ComputeAddress(0));
  EXPECT_EQ(FourD::DisposeHandle(first->GetDataHandle()), 0);
  Release(outer);
}

TEST_F(HostTest, LockerRestoresTheStateTheHandleHad) {
  CArray array = MakeArray(kFDArrayBoolean, 1);
  {
    SArrayLocker locker(&array);
    EXPECT_NE(array.GetState() & kFDMemLockedState, 0);
  }
  EXPECT_EQ(array.GetState() & kFDMemLockedState, 0);
  array.Lock();
  { SArrayLocker locker(&array); }
  EXPECT_NE(array.GetState() & kFDMemLockedState, 0);
  array.Unlock();
  { SArrayLocker nothing(nullptr); }
  Release(array);
}

TEST_F(HostTest, BlocksThatAreNoArraysHaveNoSize) {
  ValueBlock block;
  std::u16string name = Uni("missing");
  ASSERT_EQ(FourD::GetVariable(U(name), &block), 0);
  auto* array = reinterpret_cast<CArray*>(block.fBytes);
  EXPECT_TRUE(array->IsUndefined());
  EXPECT_FALSE(array->IsArray());
  EXPECT_EQ(array->GetArraySize(), 0);
  EXPECT_EQ(array->SetArraySize(4), 0);
  EXPECT_EQ(array->ComputeAddress(0), nullptr);
  EXPECT_EQ(array->Find(0), -1);
}

} // namespace
