#include "grid/TextLineEndings.h"

#include <stdlib.h>

#include <string>

#include <gtest/gtest.h>

namespace {

std::u16string Converted(const std::u16string& text, uint32_t kind) {
  PA_Unichar* result =
      SetAllocTextLineEndings(reinterpret_cast<const PA_Unichar*>(text.c_str()), kind);
  std::u16string out(reinterpret_cast<const char16_t*>(result));
  free(result);
  return out;
}

TEST(TextLineEndings, CountsEachKindOnce) {
  uint32_t count = 99;
  std::u16string text = u"a\r\nb\rc\nd\r\n";
  EXPECT_EQ(GetTextLineEndings(reinterpret_cast<const PA_Unichar*>(text.c_str()), &count),
            kZVLineEndingCR | kZVLineEndingCRLF | kZVLineEndingLF);
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(GetTextLineEndings(nullptr, &count), 0u);
  EXPECT_EQ(count, 0u);
}

TEST(TextLineEndings, ConvertsEveryEndingToTheWantedKind) {
  EXPECT_EQ(Converted(u"one\ntwo", kZVLineEndingCRLF), u"one\r\ntwo");
  EXPECT_EQ(Converted(u"a\r\nb\rc\n", kZVLineEndingCRLF), u"a\r\nb\r\nc\r\n");
  EXPECT_EQ(Converted(u"a\r\nb\rc\n", kZVLineEndingLF), u"a\nb\nc\n");
  EXPECT_EQ(Converted(u"a\r\nb\rc\n", kZVLineEndingCR), u"a\rb\rc\r");
  EXPECT_EQ(Converted(u"a\r\nb\n", 0), u"ab");
}

TEST(TextLineEndings, CopiesTextThatNeedsNoChange) {
  EXPECT_EQ(Converted(u"plain", kZVLineEndingCRLF), u"plain");
  EXPECT_EQ(Converted(u"x\r\ny", kZVLineEndingCRLF), u"x\r\ny");
  EXPECT_EQ(Converted(u"", kZVLineEndingCRLF), u"");
  EXPECT_EQ(SetAllocTextLineEndings(nullptr, kZVLineEndingCRLF), nullptr);
}

} // namespace
