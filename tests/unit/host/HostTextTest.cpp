#include <gtest/gtest.h>

#include <string>

#include "host/HostText.h"

namespace {

using FourD::BytesToUni;
using FourD::UniToUtf8;

std::u16string Uni(const char* bytes, size_t capacity = 64) {
  PA_Unichar out[64];
  size_t units = BytesToUni(bytes, strlen(bytes), out, capacity);
  EXPECT_EQ(out[units], 0);
  return std::u16string(out, out + units);
}

TEST(HostText, BytesBecomeUtf16) {
  EXPECT_EQ(Uni("gZVCurrentCell"), u"gZVCurrentCell");
  EXPECT_EQ(Uni("caf\xC3\xA9"), u"caf\u00E9");           // UTF-8
  EXPECT_EQ(Uni("\xD7x"), u"\u00D7x");                   // a stray byte stands for itself
  EXPECT_EQ(Uni("\xF0\x9F\x98\x80"), u"\U0001F600");     // a surrogate pair
  EXPECT_EQ(Uni("\xE0\x80\x80"), u"\u00E0\u0080\u0080"); // overlong: bytes, not a character
  EXPECT_EQ(Uni("abcdef", 4), u"abc");
  EXPECT_EQ(Uni("a\xF0\x9F\x98\x80", 3), u"a"); // a pair never cut in half
}

TEST(HostText, Utf16BecomesUtf8CutAtWholeCharacters) {
  const PA_Unichar text[] = {'C', '_', 0xE9, 0xD83D, 0xDE00, 0xDC00};
  char out[32];
  EXPECT_EQ(UniToUtf8(text, 6, out, sizeof out), 11u);
  EXPECT_STREQ(out, "C_\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD"); // lone surrogate: U+FFFD
  EXPECT_EQ(UniToUtf8(text, 6, out, 4), 2u);
  EXPECT_STREQ(out, "C_");
  EXPECT_EQ(UniToUtf8(nullptr, 3, out, sizeof out), 0u);
  EXPECT_STREQ(out, "");
}

TEST(HostText, CopyIsAlwaysTerminated) {
  const PA_Unichar text[] = {'a', 'b', 'c', 0};
  PA_Unichar out[3];
  EXPECT_EQ(FourD::UniCopy(text, out, 3), 2u);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(FourD::UniLength(text), 3u);
  EXPECT_EQ(FourD::UniLength(nullptr), 0u);
}

} // namespace
