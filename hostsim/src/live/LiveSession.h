// The live session: the display the windows are shown on, the tick clock that follows real time,
// and what each window shows (its pixels, scroll bars included, with the tip over them).
#pragma once

#include <stdint.h>

#include <string>

#include "../Forms.h"
#include "zvhost/LiveDisplay.h"

namespace zvhost::live {

// Null when headless.
LiveDisplay* Display();

// Moves the tick clock on by the real time gone since it last moved (60 ticks a second); nothing
// when headless.
void SyncClock();

// Called as the emulator opens and forgets windows.
void WindowOpened(const Window& window);
void WindowClosed(int32_t number);

// Shows every window as it is now, with the cursor the plug-in set. Unless `now`, at most 60
// times a second.
void PresentWindows(bool now);

// The tip shown near the pointer: the caption the plug-in asked for, at window coordinates.
void ShowTip(int32_t window, const std::u16string& text, int32_t x, int32_t y);
void HideTip();

} // namespace zvhost::live
