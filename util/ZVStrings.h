// Length-prefixed ("P") strings, a length byte (0 to 255) then the bytes, and C strings.
// Every P result holds at most 255 characters; longer results are cut. Null arguments do nothing.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { kPStrMaxLength = 255 };

void CopyPStr(const unsigned char* src, unsigned char* dst);
void CatPStr(const unsigned char* src, unsigned char* dst);
int ComparePStrings(const unsigned char* a, const unsigned char* b); // 1, -1 or 0
bool PStringsEqual(const unsigned char* a, const unsigned char* b);

void CopyCStr(const char* src, char* dst);
void CatCStr(const char* src, char* dst);

void CopyC2PStr(const char* src, unsigned char* dst);
void CatC2PStr(const char* src, unsigned char* dst);
void CopyC2PStrN(const char* src, unsigned char* dst, int32_t n);
void CopyP2CStr(const unsigned char* src, char* dst); // dst holds at least length + 1 bytes
void CatP2CStr(const unsigned char* src, char* dst);

// printf-style formatting into a P string; returns the length stored.
int FormatPWithCStr(unsigned char* dst, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
int FormatPWithPStr(unsigned char* dst, const unsigned char* format, ...);

#ifdef __cplusplus
}
#endif
