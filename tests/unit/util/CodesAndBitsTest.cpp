#include <gtest/gtest.h>

#include <string>

#include "util/ZVBits.h"
#include "util/ZVHex.h"
#include "util/ZVOSType.h"

namespace {

std::string PText(const unsigned char* p) {
  return std::string(reinterpret_cast<const char*>(p + 1), p[0]);
}

TEST(OSTypeText, ConvertsBothWays) {
  struct Case {
    OSType code;
    const char* plain;
    const char* display;
  } cases[] = {
      {0x54455854, "TEXT", "TEXT"},
      {0x41420143,
       "AB\x01"
       "C",
       "AB\\x01C"},
      {0x7F20FF61,
       "\x7F \xFF"
       "a",
       "\\x7F \\xFFa"},
      {0, "", ""},
  };
  for (const Case& c : cases) {
    unsigned char p[17];
    char text[17];
    OSTypeToString(c.code, p);
    EXPECT_EQ(PText(p), c.plain);
    OSTypeToDisplayString(c.code, p);
    EXPECT_EQ(PText(p), c.display);
    OSTypeToCString(c.code, text);
    EXPECT_STREQ(text, c.plain);
    OSTypeToDisplayCString(c.code, text);
    EXPECT_STREQ(text, c.display);
  }
}

TEST(OSTypeText, ReadsTheFirstFourCharacters) {
  const unsigned char longP[] = {5, 'a', 'b', 'c', 'd', 'e'};
  const unsigned char shortP[] = {3, 'a', 'b', 'c'};
  EXPECT_EQ(StringToOSType(longP), 0x61626364u);
  EXPECT_EQ(StringToOSType(shortP), 0u);
  EXPECT_EQ(CStringToOSType("abcde"), 0x61626364u);
  EXPECT_EQ(CStringToOSType("abc"), 0u);
  EXPECT_EQ(CStringToOSType(nullptr), 0u);

  char four[5] = "zzzz";
  EXPECT_EQ(OSType2CStr(0x50494354, four), 0);
  EXPECT_STREQ(four, "PICT");
  EXPECT_EQ(OSType2CStr(0x50494354, nullptr), -50);
}

TEST(Hex, WritesUpperCaseDigitsMostSignificantFirst) {
  char text[9];
  CharToHex(0xA5, text);
  EXPECT_STREQ(text, "A5");
  ShortToHex(0x0F1E, text);
  EXPECT_STREQ(text, "0F1E");
  LongToHex(0xDEADBEEF, text);
  EXPECT_STREQ(text, "DEADBEEF");
  LongToHex(0x10, text);
  EXPECT_STREQ(text, "00000010");
}

TEST(Hex, ReadsDigitsOfEitherCase) {
  struct Case {
    const char* text;
    uint32_t asLong;
  } cases[] = {
      {"DEADBEEF", 0xDEADBEEF},
      {"deadbeef", 0xDEADBEEF},
      {"0000001g", 0x00000010}, // a non-digit reads as 0
      {"12", 0x12000000},       // ends early: no read past the terminator
      {"", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HexToLong(c.text), c.asLong) << c.text;
  }
  EXPECT_EQ(HexToShort("beef"), 0xBEEF);
  EXPECT_EQ(HexToChar("7f"), 0x7F);
  EXPECT_EQ(HexToNibble('F'), 15);
  EXPECT_EQ(HexToNibble('x'), 0);
  EXPECT_EQ(HexToLong(nullptr), 0u);
}

TEST(Bits, NumberFromTheMostSignificantBitOfTheFirstWord) {
  struct Case {
    int32_t bit;
    int word;
    uint32_t mask;
  } cases[] = {{0, 0, 0x80000000},
               {31, 0, 0x00000001},
               {32, 1, 0x80000000},
               {33, 1, 0x40000000},
               {95, 2, 0x00000001}};
  for (const Case& c : cases) {
    uint32_t words[4] = {0, 0, 0, 0};
    LongBitSet(words, c.bit);
    EXPECT_EQ(words[c.word], c.mask) << c.bit;
    EXPECT_TRUE(LongBitTst(words, c.bit));
    EXPECT_FALSE(LongBitTst(words, c.bit + 1));
    LongBitChange(words, c.bit);
    EXPECT_EQ(words[c.word], 0u);
    LongBitChange(words, c.bit);
    LongBitClear(words, c.bit);
    EXPECT_FALSE(LongBitTst(words, c.bit));
  }
}

TEST(Bits, IgnoresNegativeBitsAndNullArrays) {
  uint32_t words[1] = {0};
  LongBitSet(words, -1);
  EXPECT_EQ(words[0], 0u);
  EXPECT_FALSE(LongBitTst(words, -1));
  EXPECT_FALSE(LongBitTst(nullptr, 0));
  LongBitSet(nullptr, 0);
}

} // namespace
