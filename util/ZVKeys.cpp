#include "util/ZVKeys.h"

#include "sdk/HostPlatform.h"

namespace {

bool IsHeld(const KeyMap keys, int16_t keyCode) {
  return (keys[keyCode / 8] >> (keyCode % 8) & 1) != 0;
}

} // namespace

extern "C" {

unsigned char GetTradCharCode(const EventRecord* event) {
  return event ? static_cast<unsigned char>(event->message & 0xFF) : 0;
}

bool KeyPressed(int16_t keyCode) {
  if (keyCode < 0 || keyCode >= static_cast<int16_t>(sizeof(KeyMap) * 8)) {
    return false;
  }
  KeyMap keys = {};
  GetKeys(keys);
  return IsHeld(keys, keyCode);
}

uint16_t GetModifiers(void) {
  static const struct {
    int16_t keyCode;
    uint16_t mask;
  } kModifierKeys[] = {{kKeyCodeCommand, kFDCommandKeyMask},
                       {kKeyCodeShift, kFDShiftKeyMask},
                       {kKeyCodeCapsLock, kFDAlphaLockMask},
                       {kKeyCodeOption, kFDOptionKeyMask},
                       {kKeyCodeControl, kFDControlKeyMask}};
  KeyMap keys = {};
  GetKeys(keys);
  uint16_t modifiers = 0;
  for (const auto& key : kModifierKeys) {
    if (IsHeld(keys, key.keyCode)) {
      modifiers |= key.mask;
    }
  }
  return modifiers;
}

} // extern "C"
