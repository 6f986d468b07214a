// Four-character codes: the first character in the most significant byte.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t OSType;

// P results: code 0 gives the empty string. The display forms write a byte outside 0x20-0x7E
// as "\xHH", so they need room for 16 characters.
void OSTypeToString(OSType code, unsigned char* dst);
void OSTypeToDisplayString(OSType code, unsigned char* dst);
OSType StringToOSType(const unsigned char* src); // 0 when shorter than 4 characters

void OSTypeToCString(OSType code, char* dst);
void OSTypeToDisplayCString(OSType code, char* dst);
OSType CStringToOSType(const char* src);
int32_t OSType2CStr(OSType code, char* dst); // always 4 characters and a terminator; -50 for null

#ifdef __cplusplus
}
#endif
