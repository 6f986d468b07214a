// The host platform interface: the services a host process offers every plug-in directly, in
// place of the host's QuickDraw-style compatibility library and the window system. This is the
// one emulator header the plug-in includes.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

#ifdef __cplusplus
extern "C" {
#endif

#define ZVHOST_API __attribute__((visibility("default")))

// Keyboard state map: bit (code mod 8) of byte code / 8 is set while key `code` is held.
typedef unsigned char KeyMap[16];

ZVHOST_API void GetKeys(KeyMap keys);
ZVHOST_API uint32_t TickCount(void);  // 1/60 s
ZVHOST_API uint32_t GetDblTime(void); // ticks

#ifdef __cplusplus
}
#endif
