#include <gtest/gtest.h>

#include <math.h>

#include "host/ValueBlock.h"

namespace {

ValueBlock Block(unsigned char kind) {
  ValueBlock block;
  ClearValueBlock(&block, kind);
  return block;
}

TEST(ValueBlock, ValuesSitUnalignedFromByteTwo) {
  ValueBlock block = Block(0);
  SetValueLong(&block, 0x11223344);
  EXPECT_EQ(block.fBytes[0], kFDLongint);
  EXPECT_EQ(block.fBytes[1], 0);
  EXPECT_EQ(block.fBytes[2], 0x44); // little-endian host
  EXPECT_EQ(block.fBytes[5], 0x11);

  int32_t size = 12;
  FDHandle handle = reinterpret_cast<FDHandle>(&size);
  SetValueBlob(&block, 99, handle);
  EXPECT_EQ(GetValueBlobSize(&block), 99);
  EXPECT_EQ(GetValueBlobHandle(&block), handle);
  FDHandle stored;
  memcpy(&stored, block.fBytes + 6, sizeof stored);
  EXPECT_EQ(stored, handle);
}

TEST(ValueBlock, LongGoesIntoTheBlockByItsKind) {
  struct Case {
    unsigned char kind;
    int32_t value;
    int32_t error;
    double expectedReal;
    int32_t expectedLong;
  } cases[] = {
      {kFDReal, -7, 0, -7.0, 0},      {kFDBoolean, 5, 0, 0, 1},    {kFDBoolean, 0, 0, 0, 0},
      {kFDLongint, -42, 0, 0, -42},   {kFDTime, 3600, 0, 0, 3600}, {kFDText, 1, -1999, 0, 0},
      {kFDUndefined, 1, -1999, 0, 0},
  };
  for (const Case& c : cases) {
    ValueBlock block = Block(c.kind);
    EXPECT_EQ(Long2ValueBlock(c.value, &block), c.error) << int(c.kind);
    EXPECT_EQ(GetValueKind(&block), c.kind);
    if (c.kind == kFDReal) {
      EXPECT_EQ(GetValueReal(&block), c.expectedReal);
    } else if (c.kind == kFDBoolean) {
      EXPECT_EQ(block.fBytes[2], c.expectedLong);
    } else if (c.error == 0) {
      EXPECT_EQ(GetValueLong(&block), c.expectedLong);
    } else {
      EXPECT_EQ(GetValueLong(&block), 0); // unchanged
    }
  }
  EXPECT_NE(Long2ValueBlock(1, nullptr), 0);
}

TEST(ValueBlock, ValueComesOutAsALong) {
  struct Case {
    ValueBlock block;
    int32_t error;
    int32_t expected;
  };
  auto real = [](double v) {
    ValueBlock b = Block(0);
    SetValueReal(&b, v);
    return b;
  };
  auto longBlock = [](unsigned char kind, int32_t v) {
    ValueBlock b = Block(kind);
    WriteValueAt(&b, v);
    return b;
  };
  Case cases[] = {
      {real(2.9), 0, 2},
      {real(-2.9), 0, -2},
      {real(1e12), 0, INT32_MAX}, // out of range: clamped, not undefined
      {real(-1e12), 0, INT32_MIN},
      {real(NAN), 0, 0},
      {longBlock(kFDLongint, -5), 0, -5},
      {longBlock(kFDTime, 61), 0, 61},
      {longBlock(kFDBoolean, 1), 0, 1},
      {longBlock(kFDDate, 77), 0, 0},
      {longBlock(kFDText, 77), 0, 0},
      {longBlock(kFDPicture, 77), -1999, 0},
      {longBlock(kFDUndefined, 77), -1999, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 123;
    EXPECT_EQ(Value2Long(&c.block, &value), c.error) << int(c.block.fBytes[0]);
    EXPECT_EQ(value, c.expected) << int(c.block.fBytes[0]);
  }
  int32_t value = 9;
  EXPECT_NE(Value2Long(nullptr, &value), 0);
  EXPECT_EQ(value, 0);
}

TEST(ValueBlock, FreeingNothingOwnedTouchesNothing) {
  ValueBlock block = Block(kFDLongint);
  SetValueLong(&block, 8);
  FreeValueBlock(&block);
  EXPECT_EQ(GetValueLong(&block), 8);
  FreeValueBlock(nullptr);
}

} // namespace
