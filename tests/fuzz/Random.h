// A random source whose sequence depends only on the seed, on every platform and library: the
// standard distributions are not specified bit for bit, so a seed would not name one program.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

namespace fuzz {

class Random {
public:
  explicit Random(uint64_t seed) : fState(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}

  uint64_t Next() {
    // splitmix64
    uint64_t z = (fState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 to n - 1; 0 when n is 0.
  uint32_t Below(uint32_t n) { return n == 0 ? 0 : static_cast<uint32_t>(Next() % n); }
  int32_t Between(int32_t low, int32_t high) {
    return low + static_cast<int32_t>(Below(static_cast<uint32_t>(high - low + 1)));
  }
  bool Chance(uint32_t percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(static_cast<uint32_t>(items.size()))];
  }

private:
  uint64_t fState;
};

} // namespace fuzz
