#include "gfx/Utf16.h"

#include <new>

namespace gfx {

namespace {

void AppendCodePoint(uint32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(char(cp));
  } else if (cp < 0x800) {
    out->push_back(char(0xC0 | cp >> 6));
    out->push_back(char(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(char(0xE0 | cp >> 12));
    out->push_back(char(0x80 | (cp >> 6 & 0x3F)));
    out->push_back(char(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(char(0xF0 | cp >> 18));
    out->push_back(char(0x80 | (cp >> 12 & 0x3F)));
    out->push_back(char(0x80 | (cp >> 6 & 0x3F)));
    out->push_back(char(0x80 | (cp & 0x3F)));
  }
}

template <typename CodeUnit>
bool Convert(const CodeUnit* text, int length, std::string* out) {
  out->clear();
  if (!text) {
    return true;
  }
  if (length < 0) {
    for (length = 0; text[length] != 0; ++length) {
    }
  }
  try {
    out->reserve(size_t(length));
    for (int i = 0; i < length; ++i) {
      uint32_t unit = uint16_t(text[i]);
      if (unit == 0) {
        continue;
      }
      if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < length) {
        uint32_t next = uint16_t(text[i + 1]);
        if (next >= 0xDC00 && next < 0xE000) {
          AppendCodePoint(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), out);
          ++i;
          continue;
        }
      }
      AppendCodePoint(unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit, out);
    }
  } catch (const std::bad_alloc&) {
    out->clear();
    return false;
  }
  return true;
}

} // namespace

bool Utf16ToUtf8(const uint16_t* text, int length, std::string* out) {
  return Convert(text, length, out);
}

bool Utf16ToUtf8(const char16_t* text, int length, std::string* out) {
  return Convert(text, length, out);
}

} // namespace gfx
