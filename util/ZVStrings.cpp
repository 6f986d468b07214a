#include "util/ZVStrings.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

namespace {

// Formatting shares one buffer, as everything runs on the host's user-interface thread.
char sFormatBuffer[kPStrMaxLength + 1];

void AppendBytes(const void* bytes, size_t count, unsigned char* dst) {
  size_t room = kPStrMaxLength - dst[0];
  if (count > room) {
    count = room;
  }
  memcpy(dst + 1 + dst[0], bytes, count);
  dst[0] = static_cast<unsigned char>(dst[0] + count);
}

int FormatInto(unsigned char* dst, const char* format, va_list args) {
  if (dst == nullptr) {
    return 0;
  }
  // Bounded: a long expansion is cut at 255 characters instead of running past the buffer.
  // The arguments may point into dst, so dst is written only once the text is formatted.
  int produced = format ? vsnprintf(sFormatBuffer, sizeof sFormatBuffer, format, args) : 0;
  dst[0] = 0;
  if (produced > 0) {
    AppendBytes(sFormatBuffer, static_cast<size_t>(produced), dst);
  }
  return dst[0];
}

} // namespace

extern "C" {

void CopyPStr(const unsigned char* src, unsigned char* dst) {
  if (src == nullptr || dst == nullptr) {
    return;
  }
  memmove(dst, src, static_cast<size_t>(src[0]) + 1);
}

void CatPStr(const unsigned char* src, unsigned char* dst) {
  if (src == nullptr || dst == nullptr) {
    return;
  }
  AppendBytes(src + 1, src[0], dst);
}

int ComparePStrings(const unsigned char* a, const unsigned char* b) {
  static const unsigned char kEmpty[1] = {0};
  a = a ? a : kEmpty;
  b = b ? b : kEmpty;
  size_t common = a[0] < b[0] ? a[0] : b[0];
  int bytes = memcmp(a + 1, b + 1, common);
  if (bytes != 0) {
    return bytes > 0 ? 1 : -1;
  }
  if (a[0] == b[0]) {
    return 0;
  }
  return a[0] > b[0] ? 1 : -1;
}

bool PStringsEqual(const unsigned char* a, const unsigned char* b) {
  return ComparePStrings(a, b) == 0;
}

void CopyCStr(const char* src, char* dst) {
  if (src != nullptr && dst != nullptr) {
    memmove(dst, src, strlen(src) + 1);
  }
}

void CatCStr(const char* src, char* dst) {
  if (src != nullptr && dst != nullptr) {
    memmove(dst + strlen(dst), src, strlen(src) + 1);
  }
}

void CopyC2PStr(const char* src, unsigned char* dst) {
  CopyC2PStrN(src, dst, kPStrMaxLength);
}

void CatC2PStr(const char* src, unsigned char* dst) {
  if (src != nullptr && dst != nullptr) {
    AppendBytes(src, strlen(src), dst);
  }
}

void CopyC2PStrN(const char* src, unsigned char* dst, int32_t n) {
  if (src == nullptr || dst == nullptr) {
    return;
  }
  dst[0] = 0;
  size_t limit = n < 0 ? 0 : static_cast<size_t>(n);
  AppendBytes(src, strnlen(src, limit), dst);
}

void CopyP2CStr(const unsigned char* src, char* dst) {
  if (src == nullptr || dst == nullptr) {
    return;
  }
  memmove(dst, src + 1, src[0]);
  dst[src[0]] = '\0';
}

void CatP2CStr(const unsigned char* src, char* dst) {
  if (src != nullptr && dst != nullptr) {
    CopyP2CStr(src, dst + strlen(dst));
  }
}

int FormatPWithCStr(unsigned char* dst, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatInto(dst, format, args);
  va_end(args);
  return length;
}

int FormatPWithPStr(unsigned char* dst, const unsigned char* format, ...) {
  char cFormat[kPStrMaxLength + 1] = "";
  CopyP2CStr(format, cFormat);
  va_list args;
  va_start(args, format);
  int length = FormatInto(dst, format ? cFormat : nullptr, args);
  va_end(args);
  return length;
}

} // extern "C"
