// What the emulator tells the window system of its own input and runs.
#pragma once

#include <stdint.h>

namespace zvhost {

// The emulator's mouse moves to a global point; the window system's pointer follows it.
void MoveMouseTo(int32_t x, int32_t y);
// A fresh host: the process window gets back its default procedure and loses its properties.
void ResetWindowSystem();

} // namespace zvhost
