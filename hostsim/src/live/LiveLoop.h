// The event loop of live windows, after the database's main method has returned.
#pragma once

#include "zvhost/LiveDisplay.h"

namespace zvhost::live {

// One input, by the paths the scripted input commands take.
void Handle(const LiveInput& input);

// Input and turns of the event loop until no window is left; raises the script errors of the
// code the events ran (a failed ASSERT ends the run).
void RunLoop();

} // namespace zvhost::live
