// The live session: the display the windows are shown on, the tick clock that follows real time,
// and what each window shows (its pixels, scroll bars included, with the tip over them).
#pragma once

#include <stdint.h>

#include <chrono>
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

// Shows every window whose look changed since it was last shown (its surface, its scroll bars
// or its tip), and the cursor the plug-in set. Unless `now`, at most 60 times a second.
void PresentWindows(bool now);

// Tips as desktops show them: the tip the area under the pointer asked for waits until the
// pointer has rested a while, and goes as soon as it moves. At window coordinates.
void OfferTip(int32_t window, const std::u16string& text, int32_t x, int32_t y);
void HideTip();
// Shows the offered tip once the pointer has rested long enough.
void ShowRestingTip();
// When the offered tip is due; far off when none waits.
std::chrono::steady_clock::time_point RestingTipDue();

} // namespace zvhost::live
