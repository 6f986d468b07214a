#include "TextBlocks.h"

#include <algorithm>
#include <cstring>

#include "ObjectStore.h"
#include "Utf.h"

namespace zvhost {

namespace {

// Base letters of U+0100..U+017F; '*' keeps the letter.
constexpr char kLatinExtendedABase[] = "AaAaAa"
                                       "CcCcCcCc"
                                       "DdDd"
                                       "EeEeEeEeEe"
                                       "GgGgGgGg"
                                       "HhHh"
                                       "IiIiIiIiIi"
                                       "**"
                                       "Jj"
                                       "Kk*"
                                       "LlLlLlLlLl"
                                       "NnNnNn*"
                                       "**"
                                       "OoOoOo"
                                       "**"
                                       "RrRrRr"
                                       "SsSsSsSs"
                                       "TtTtTt"
                                       "UuUuUuUuUuUu"
                                       "Ww"
                                       "YyY"
                                       "ZzZzZz"
                                       "s";
static_assert(sizeof(kLatinExtendedABase) == 129);

// Base letters of U+00C0..U+00FF.
constexpr char kLatin1Base[] = "AAAAAA*CEEEEIIII*NOOOOO*OUUUUY**aaaaaa*ceeeeiiii*nooooo*ouuuuy*y";
static_assert(sizeof(kLatin1Base) == 65);

char16_t StripDiacritic(char16_t c) {
  if (c >= 0xC0 && c <= 0xFF && kLatin1Base[c - 0xC0] != '*') {
    return static_cast<char16_t>(kLatin1Base[c - 0xC0]);
  }
  if (c >= 0x100 && c <= 0x17F && kLatinExtendedABase[c - 0x100] != '*') {
    return static_cast<char16_t>(kLatinExtendedABase[c - 0x100]);
  }
  return c;
}

char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
    return static_cast<char16_t>(c + 0x20);
  }
  if (c >= 0x400 && c <= 0x40F) {
    return static_cast<char16_t>(c + 0x50);
  }
  const bool evenUpper =
      (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1)) {
    return static_cast<char16_t>(c + 1);
  }
  if (c == 0x178) {
    return 0xFF;
  }
  return c;
}

char16_t Fold(char16_t c, int32_t options) {
  if (!(options & kFDCompareDiacriticSensitive)) {
    c = StripDiacritic(c);
  }
  if (!(options & kFDCompareCaseSensitive)) {
    c = FoldCase(c);
  }
  return c;
}

// The characters a block holds must be the host's own, or none.
bool HoldsHostText(const FDStringBlock& block) {
  return block.fString == nullptr || Objects().IsText(block.fString);
}

void Replace(FDStringBlock* block, PA_Unichar* chars, int32_t length) {
  if (block->fString != nullptr) {
    Objects().DisposeText(block->fString);
  }
  block->fString = chars;
  block->fLength = length;
}

} // namespace

int CreateTextBlock(FDStringBlock* block) {
  if (block == nullptr) {
    return kFDErrBadParameter;
  }
  std::memset(block, 0, sizeof(*block));
  block->fString = Objects().NewText(nullptr, 0);
  return kFDErrNone;
}

int SetTextBlock(FDStringBlock* block, const PA_Unichar* units, int32_t count) {
  if (block == nullptr || count < 0 || (count > 0 && units == nullptr) || !HoldsHostText(*block)) {
    return kFDErrBadParameter;
  }
  Replace(block, Objects().NewText(units, count), count);
  return kFDErrNone;
}

int SetEmptyTextBlock(FDStringBlock* block) {
  return SetTextBlock(block, nullptr, 0);
}

int DisposeTextBlock(FDStringBlock* block) {
  if (block == nullptr || !HoldsHostText(*block)) {
    return kFDErrBadParameter;
  }
  Replace(block, nullptr, 0);
  std::memset(block, 0, sizeof(*block));
  return kFDErrNone;
}

std::u16string_view TextOf(const FDStringBlock& block) {
  // Never reads past what the host allocated, whatever the length word says.
  const int32_t allocated = Objects().TextLength(block.fString);
  return UnitsView(block.fString, std::min(block.fLength, allocated));
}

int CompareTexts(std::u16string_view a, std::u16string_view b, int32_t options) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = Fold(a[i], options);
    const char16_t y = Fold(b[i], options);
    if (x != y) {
      return x < y ? -1 : 1;
    }
  }
  if (a.size() == b.size()) {
    return 0;
  }
  return a.size() < b.size() ? -1 : 1;
}

} // namespace zvhost
