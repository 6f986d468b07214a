#include "host/HostText.h"

#include <string.h>

namespace FourD {

namespace {

// Length of the valid UTF-8 sequence at `bytes` and its code point; 0 when it is not one.
size_t DecodeUtf8(const unsigned char* bytes, size_t available, uint32_t* codePoint) {
  unsigned char lead = bytes[0];
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (lead >= 0xF5 || length == 0 || length > available) {
    return 0;
  }
  uint32_t value = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) {
      return 0;
    }
    value = value << 6 | (bytes[i] & 0x3F);
  }
  static const uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return 0;
  }
  *codePoint = value;
  return length;
}

} // namespace

size_t UniLength(const PA_Unichar* text) {
  size_t length = 0;
  if (text != nullptr) {
    while (text[length] != 0) {
      ++length;
    }
  }
  return length;
}

size_t BytesToUni(const char* bytes, size_t byteCount, PA_Unichar* out, size_t capacity) {
  if (out == nullptr || capacity == 0) {
    return 0;
  }
  const auto* in = reinterpret_cast<const unsigned char*>(bytes);
  size_t written = 0;
  for (size_t i = 0; in != nullptr && i < byteCount;) {
    uint32_t codePoint = in[i];
    size_t length = codePoint < 0x80 ? 1 : DecodeUtf8(in + i, byteCount - i, &codePoint);
    if (length == 0) {
      length = 1; // a stray byte stands for itself
    }
    size_t units = codePoint >= 0x10000 ? 2 : 1;
    if (written + units >= capacity) {
      break;
    }
    if (units == 2) {
      out[written++] = static_cast<PA_Unichar>(0xD800 + ((codePoint - 0x10000) >> 10));
      out[written++] = static_cast<PA_Unichar>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    } else {
      out[written++] = static_cast<PA_Unichar>(codePoint);
    }
    i += length;
  }
  out[written] = 0;
  return written;
}

size_t UniToUtf8(const PA_Unichar* text, size_t units, char* out, size_t capacity) {
  if (out == nullptr || capacity == 0) {
    return 0;
  }
  size_t written = 0;
  for (size_t i = 0; text != nullptr && i < units; ++i) {
    uint32_t codePoint = text[i];
    bool pair = codePoint >= 0xD800 && codePoint <= 0xDBFF && i + 1 < units &&
                text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair) {
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
      codePoint = 0xFFFD; // a lone surrogate
    }
    char encoded[4];
    size_t length = 0;
    if (codePoint < 0x80) {
      encoded[length++] = static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
      encoded[length++] = static_cast<char>(0xC0 | codePoint >> 6);
      encoded[length++] = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
      encoded[length++] = static_cast<char>(0xE0 | codePoint >> 12);
      encoded[length++] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
      encoded[length++] = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
      encoded[length++] = static_cast<char>(0xF0 | codePoint >> 18);
      encoded[length++] = static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
      encoded[length++] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
      encoded[length++] = static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    if (written + length >= capacity) {
      break;
    }
    memcpy(out + written, encoded, length);
    written += length;
  }
  out[written] = '\0';
  return written;
}

size_t UniCopy(const PA_Unichar* text, PA_Unichar* out, size_t capacity) {
  if (out == nullptr || capacity == 0) {
    return 0;
  }
  size_t length = UniLength(text);
  if (length >= capacity) {
    length = capacity - 1;
  }
  if (length > 0) {
    memcpy(out, text, length * sizeof(PA_Unichar));
  }
  out[length] = 0;
  return length;
}

} // namespace FourD
