// The library's one entry point, through which the host sends every selector.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

extern "C" FD_ENTRY_EXPORT void FD_ENTRY_CALL FourDPackex(int32_t selector, void* params,
                                                          void* hostData, void* result);
