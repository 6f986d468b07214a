// Hexadecimal text, upper case, most significant digit first.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Write 2, 4 or 8 digits and a terminator.
void CharToHex(unsigned char value, char* dst);
void ShortToHex(uint16_t value, char* dst);
void LongToHex(uint32_t value, char* dst);

// Read 1, 2, 4 or 8 digits (0-9, a-f, A-F). Any other character reads as 0; a text that ends
// early reads as if padded with zero digits.
unsigned char HexToNibble(char digit);
unsigned char HexToChar(const char* src);
uint16_t HexToShort(const char* src);
uint32_t HexToLong(const char* src);

#ifdef __cplusplus
}
#endif
