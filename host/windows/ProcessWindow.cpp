#include "host/windows/ProcessWindow.h"

#include <string.h>

HWND FindProcessWindow(const char* programPath) {
  char prefix[MAX_PATH + 1] = {};
  const size_t length = programPath != nullptr ? strlen(programPath) : 0;
  if (length < sizeof prefix) {
    memcpy(prefix, programPath, length);
    for (size_t n = length; n > 0; --n) {
      prefix[n] = 0;
      if (HWND window = FindWindowA(prefix, nullptr)) {
        return window;
      }
    }
  }
  return GetActiveWindow();
}
