#include "grid/TextLineEndings.h"

#include <stdlib.h>
#include <string.h>

#include "host/HostText.h"

namespace {

constexpr PA_Unichar kCR = 13;
constexpr PA_Unichar kLF = 10;

} // namespace

uint32_t GetTextLineEndings(const PA_Unichar* text, uint32_t* count) {
  uint32_t kinds = 0;
  uint32_t n = 0;
  if (text != nullptr) {
    for (size_t i = 0; text[i] != 0; ++i) {
      if (text[i] == kCR && text[i + 1] == kLF) {
        kinds |= kZVLineEndingCRLF;
        ++i;
      } else if (text[i] == kCR) {
        kinds |= kZVLineEndingCR;
      } else if (text[i] == kLF) {
        kinds |= kZVLineEndingLF;
      } else {
        continue;
      }
      ++n;
    }
  }
  if (count != nullptr) {
    *count = n;
  }
  return kinds;
}

PA_Unichar* SetAllocTextLineEndings(const PA_Unichar* text, uint32_t kind) {
  if (text == nullptr) {
    return nullptr;
  }
  size_t length = FourD::UniLength(text);
  uint32_t endings = 0;
  uint32_t kinds = GetTextLineEndings(text, &endings);
  if (endings == 0 || kinds == kind) {
    auto* copy = static_cast<PA_Unichar*>(malloc((length + 1) * sizeof(PA_Unichar)));
    if (copy != nullptr) {
      memcpy(copy, text, (length + 1) * sizeof(PA_Unichar));
    }
    return copy;
  }
  size_t extra = kind == kZVLineEndingCRLF ? 2 * endings : endings;
  auto* result = static_cast<PA_Unichar*>(malloc((length + extra + 1) * sizeof(PA_Unichar)));
  if (result == nullptr) {
    return nullptr;
  }
  size_t out = 0;
  for (size_t i = 0; i < length; ++i) {
    bool crlf = text[i] == kCR && text[i + 1] == kLF;
    if (text[i] != kCR && text[i] != kLF) {
      result[out++] = text[i];
      continue;
    }
    if (crlf) {
      ++i;
    }
    if (kind == kZVLineEndingCR || kind == kZVLineEndingCRLF) {
      result[out++] = kCR;
    }
    if (kind == kZVLineEndingLF || kind == kZVLineEndingCRLF) {
      result[out++] = kLF;
    }
  }
  result[out] = 0;
  return result;
}
