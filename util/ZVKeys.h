// Keyboard queries over the host's keyboard state map.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

#ifdef __cplusplus
extern "C" {
#endif

// Key codes of the modifier keys in the keyboard state map.
enum {
  kKeyCodeCommand = 55,
  kKeyCodeShift = 56,
  kKeyCodeCapsLock = 57,
  kKeyCodeOption = 58,
  kKeyCodeControl = 59
};

unsigned char GetTradCharCode(const EventRecord* event); // the character code of a key event
bool KeyPressed(int16_t keyCode);                        // codes 0 to 127
uint16_t GetModifiers(void); // event-record modifier bits of the modifier keys now held

#ifdef __cplusplus
}
#endif
