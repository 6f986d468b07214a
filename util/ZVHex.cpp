#include "util/ZVHex.h"

namespace {

void WriteDigits(uint32_t value, int digits, char* dst) {
  static const char kDigits[] = "0123456789ABCDEF";
  if (dst == nullptr) {
    return;
  }
  for (int i = digits - 1; i >= 0; --i) {
    dst[i] = kDigits[value & 0xF];
    value >>= 4;
  }
  dst[digits] = '\0';
}

uint32_t ReadDigits(const char* src, int digits) {
  uint32_t value = 0;
  bool ended = src == nullptr;
  for (int i = 0; i < digits; ++i) {
    ended = ended || src[i] == '\0';
    value = value << 4 | (ended ? 0 : HexToNibble(src[i]));
  }
  return value;
}

} // namespace

extern "C" {

void CharToHex(unsigned char value, char* dst) {
  WriteDigits(value, 2, dst);
}
void ShortToHex(uint16_t value, char* dst) {
  WriteDigits(value, 4, dst);
}
void LongToHex(uint32_t value, char* dst) {
  WriteDigits(value, 8, dst);
}

unsigned char HexToNibble(char digit) {
  if (digit >= '0' && digit <= '9') {
    return static_cast<unsigned char>(digit - '0');
  }
  if (digit >= 'a' && digit <= 'f') {
    return static_cast<unsigned char>(digit - 'a' + 10);
  }
  if (digit >= 'A' && digit <= 'F') {
    return static_cast<unsigned char>(digit - 'A' + 10);
  }
  return 0;
}

unsigned char HexToChar(const char* src) {
  return static_cast<unsigned char>(ReadDigits(src, 2));
}
uint16_t HexToShort(const char* src) {
  return static_cast<uint16_t>(ReadDigits(src, 4));
}
uint32_t HexToLong(const char* src) {
  return ReadDigits(src, 8);
}

} // extern "C"
