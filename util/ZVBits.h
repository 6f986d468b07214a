// Bit arrays of 32-bit words: bit n is in word n / 32, counted from the most significant bit,
// so bit 0 is 0x80000000 of the first word. The caller sizes the array; negative bits are ignored.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

bool LongBitTst(const uint32_t* words, int32_t bit);
void LongBitSet(uint32_t* words, int32_t bit);
void LongBitClear(uint32_t* words, int32_t bit);
void LongBitChange(uint32_t* words, int32_t bit); // toggles

#ifdef __cplusplus
}
#endif
