// The library's one entry point, through which the host sends every selector.
#pragma once

#include <stdint.h>

extern "C" __attribute__((visibility("default"))) void FourDPackex(int32_t selector, void* params,
                                                                   void* hostData, void* result);
