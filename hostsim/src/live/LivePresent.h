// What the live windows show, as the platform shows windows: composed and sent to the display
// where the emulator draws into pixel surfaces, already on screen where its windows are real.
#pragma once

#include <stdint.h>

namespace zvhost::live {

// Shows every window whose look changed since it was last shown (its surface, its scroll bars
// or the tip over it), and the cursor the plug-in set. Unless `now`, at most 60 times a second.
void PresentWindows(bool now);
// Forgets what a window showed (0: every window), as it closes or the display changes.
void ForgetPresented(int32_t number);
// The arrow, where the pointer is over no area.
void ShowArrowCursor();

} // namespace zvhost::live
