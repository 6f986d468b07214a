#include <gtest/gtest.h>

#include <string>

#include "util/ZVStrings.h"

namespace {

// A P string buffer with room for the longest result.
struct PStr {
  unsigned char bytes[256] = {0};
  explicit PStr(const std::string& text = "") {
    bytes[0] = static_cast<unsigned char>(text.size());
    text.copy(reinterpret_cast<char*>(bytes + 1), text.size());
  }
  std::string Text() const {
    return std::string(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
  }
};

TEST(PString, CopiesAndAppendsUpTo255Characters) {
  PStr dst("abc");
  CatPStr(PStr("def").bytes, dst.bytes);
  EXPECT_EQ(dst.Text(), "abcdef");
  PStr copy;
  CopyPStr(dst.bytes, copy.bytes);
  EXPECT_EQ(copy.Text(), "abcdef");

  PStr full(std::string(250, 'x'));
  CatPStr(PStr("0123456789").bytes, full.bytes);
  EXPECT_EQ(full.Text(), std::string(250, 'x') + "01234");
  CatC2PStr("more", full.bytes);
  EXPECT_EQ(full.bytes[0], 255);

  PStr fromC(std::string(250, 'y'));
  CatC2PStr("0123456789", fromC.bytes);
  EXPECT_EQ(fromC.Text(), std::string(250, 'y') + "01234");
}

TEST(PString, ComparesBytewiseThenByLength) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"ab", "abc", -1}, {"abc", "ab", 1}, {"abc", "abc", 0},
      {"", "", 0},       {"b", "abc", 1},  {"\x80", "a", 1}, // unsigned: 0x80 sorts after 'a'
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComparePStrings(PStr(c.a).bytes, PStr(c.b).bytes), c.expected) << c.a << " " << c.b;
    EXPECT_EQ(PStringsEqual(PStr(c.a).bytes, PStr(c.b).bytes), c.expected == 0);
  }
}

TEST(PString, ConvertsFromAndToCStrings) {
  PStr p;
  CopyC2PStr(std::string(300, 'z').c_str(), p.bytes);
  EXPECT_EQ(p.bytes[0], 255);
  CopyC2PStrN("abcdef", p.bytes, 3);
  EXPECT_EQ(p.Text(), "abc");
  CopyC2PStrN("ab", p.bytes, 10);
  EXPECT_EQ(p.Text(), "ab");
  CopyC2PStrN("ab", p.bytes, -1);
  EXPECT_EQ(p.Text(), "");

  char c[300] = "x";
  CopyP2CStr(PStr("hello").bytes, c);
  EXPECT_STREQ(c, "hello");
  CatP2CStr(PStr(" world").bytes, c);
  EXPECT_STREQ(c, "hello world");
  CopyCStr("a", c);
  CatCStr("bc", c);
  EXPECT_STREQ(c, "abc");
}

TEST(PString, FormatsWithoutOverflowingAndCutsAt255) {
  PStr p;
  EXPECT_EQ(FormatPWithCStr(p.bytes, "%s-%d", "cell", 42), 7);
  EXPECT_EQ(p.Text(), "cell-42");

  std::string longText(1000, 'q');
  EXPECT_EQ(FormatPWithCStr(p.bytes, "%s%s", longText.c_str(), longText.c_str()), 255);
  EXPECT_EQ(p.Text(), std::string(255, 'q'));

  EXPECT_EQ(FormatPWithPStr(p.bytes, PStr("%d/%s").bytes, 7, "x"), 3);
  EXPECT_EQ(p.Text(), "7/x");
  EXPECT_EQ(FormatPWithPStr(p.bytes, PStr("%s").bytes, longText.c_str()), 255);
}

TEST(PString, FormatsArgumentsThatPointIntoTheResult) {
  PStr p("abc");
  char cText[8];
  CopyP2CStr(p.bytes, cText);
  EXPECT_EQ(FormatPWithCStr(p.bytes, "%s%s", cText, cText), 6);
  EXPECT_EQ(p.Text(), "abcabc");
}

TEST(PString, NullArgumentsDoNothing) {
  PStr p("keep");
  CopyPStr(nullptr, p.bytes);
  CatPStr(nullptr, p.bytes);
  CopyC2PStr(nullptr, p.bytes);
  EXPECT_EQ(p.Text(), "keep");
  EXPECT_EQ(FormatPWithCStr(nullptr, "%d", 1), 0);
  EXPECT_EQ(FormatPWithPStr(p.bytes, nullptr), 0);
  EXPECT_EQ(p.Text(), "");
}

} // namespace
