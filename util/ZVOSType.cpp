#include "util/ZVOSType.h"

#include <stdio.h>
#include <string.h>

#include "util/ZVStrings.h"

namespace {

unsigned char CodeByte(OSType code, int index) {
  return static_cast<unsigned char>(code >> (24 - 8 * index));
}

OSType BytesToCode(const unsigned char* bytes) {
  return static_cast<OSType>(bytes[0]) << 24 | static_cast<OSType>(bytes[1]) << 16 |
         static_cast<OSType>(bytes[2]) << 8 | static_cast<OSType>(bytes[3]);
}

// C form, with or without escapes for unprintable bytes; dst holds at least 17 bytes.
void CodeToCString(OSType code, bool display, char* dst) {
  char* out = dst;
  if (code != 0) {
    for (int i = 0; i < 4; ++i) {
      unsigned char byte = CodeByte(code, i);
      if (display && (byte < 0x20 || byte > 0x7E)) {
        out += snprintf(out, 5, "\\x%02X", byte);
      } else {
        *out++ = static_cast<char>(byte);
      }
    }
  }
  *out = '\0';
}

} // namespace

extern "C" {

void OSTypeToString(OSType code, unsigned char* dst) {
  if (dst == nullptr) {
    return;
  }
  dst[0] = 0;
  if (code == 0) {
    return;
  }
  dst[0] = 4;
  for (int i = 0; i < 4; ++i) {
    dst[1 + i] = CodeByte(code, i);
  }
}

void OSTypeToDisplayString(OSType code, unsigned char* dst) {
  if (dst == nullptr) {
    return;
  }
  char text[17];
  CodeToCString(code, true, text);
  CopyC2PStr(text, dst);
}

OSType StringToOSType(const unsigned char* src) {
  if (src == nullptr || src[0] < 4) {
    return 0;
  }
  return BytesToCode(src + 1);
}

void OSTypeToCString(OSType code, char* dst) {
  if (dst != nullptr) {
    CodeToCString(code, false, dst);
  }
}

void OSTypeToDisplayCString(OSType code, char* dst) {
  if (dst != nullptr) {
    CodeToCString(code, true, dst);
  }
}

OSType CStringToOSType(const char* src) {
  if (src == nullptr || strnlen(src, 4) < 4) {
    return 0;
  }
  return BytesToCode(reinterpret_cast<const unsigned char*>(src));
}

int32_t OSType2CStr(OSType code, char* dst) {
  if (dst == nullptr) {
    return -50;
  }
  for (int i = 0; i < 4; ++i) {
    dst[i] = static_cast<char>(CodeByte(code, i));
  }
  dst[4] = '\0';
  return 0;
}

} // extern "C"
