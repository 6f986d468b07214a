// A press a person makes in a live window, played as the scripted presses are: the area under it
// gets mouse down, and while the plug-in polls the button (drag detection, its drag loop, thumb
// and arrow tracking, the host's drag and drop) the window system's input is pumped, one move
// per poll, until the release.
#pragma once

#include <stdint.h>

#include <vector>

#include "zvhost/LiveDisplay.h"

namespace zvhost::live {

// The whole press that begins with this mouse down: a thumb tracked by its bar, or focus, mouse
// down, the host drag it may start, and mouse up once the button is released.
void PressAt(const LiveInput& input);
// The release of a press the mouse down left held; nothing for any other.
void ReleaseAt(const LiveInput& input);
// Whether a press left held by its mouse down waits for its release.
bool Held();

// Whether a press is being played, so that polls of the button read the window system.
bool Pressing();
// One poll: true while the button is held; a move moves the pointer; keys go to the host's event
// queue (GetNextEvent); other input waits until the press is over.
bool PollPress();
// The input that waited.
std::vector<LiveInput> TakeDeferred();

// Window coordinates as the host's 16-bit points hold them.
int16_t ClampToShort(int32_t value);

// Moves the pointer to the input's point; false when its window is not open.
bool MovePointer(const LiveInput& input);

} // namespace zvhost::live
