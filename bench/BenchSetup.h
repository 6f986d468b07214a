// Shared by the benchmarks.
#pragma once

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

// A benchmark whose setup failed would time the wrong thing: the run stops instead.
inline void Must(int32_t error) {
  if (error != 0) {
    fprintf(stderr, "benchmark setup failed with error %d\n", static_cast<int>(error));
    abort();
  }
}
