// The live session: the display the windows are shown on, the tick clock that follows real time,
// and the tip that waits for the pointer to rest. What each window shows reaches the display as
// its platform shows windows (LivePresent.h).
#pragma once

#include <stdint.h>

#include <chrono>
#include <string>

#include "../Forms.h"
#include "zvhost/LiveDisplay.h"

namespace zvhost::live {

// A tip at window coordinates; window 0 for none.
struct Tip {
  int32_t window = 0;
  std::u16string text;
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const Tip&) const = default;
};

// Null when headless.
LiveDisplay* Display();

// Moves the tick clock on by the real time gone since it last moved (60 ticks a second); nothing
// when headless.
void SyncClock();

// Called as the emulator opens and forgets windows.
void WindowOpened(const Window& window);
void WindowClosed(int32_t number);

// Tips as desktops show them: the tip the area under the pointer asked for waits until the
// pointer has rested a while, and goes as soon as it moves. At window coordinates.
void OfferTip(int32_t window, const std::u16string& text, int32_t x, int32_t y);
void HideTip();
// Shows the offered tip once the pointer has rested long enough.
void ShowRestingTip();
// When the offered tip is due; far off when none waits.
std::chrono::steady_clock::time_point RestingTipDue();
// The tip shown now.
const Tip& ShownTip();

} // namespace zvhost::live
