#include "util/ZVBits.h"

namespace {

uint32_t Mask(int32_t bit) {
  return 0x80000000u >> (bit % 32);
}

} // namespace

extern "C" {

bool LongBitTst(const uint32_t* words, int32_t bit) {
  if (words == nullptr || bit < 0) {
    return false;
  }
  return (words[bit / 32] & Mask(bit)) != 0;
}

void LongBitSet(uint32_t* words, int32_t bit) {
  if (words != nullptr && bit >= 0) {
    words[bit / 32] |= Mask(bit);
  }
}

void LongBitClear(uint32_t* words, int32_t bit) {
  if (words != nullptr && bit >= 0) {
    words[bit / 32] &= ~Mask(bit);
  }
}

void LongBitChange(uint32_t* words, int32_t bit) {
  if (words != nullptr && bit >= 0) {
    words[bit / 32] ^= Mask(bit);
  }
}

} // extern "C"
