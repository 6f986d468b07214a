// The host's own drag and drop of form objects: started by the plug-in during a mouse-down, or
// by HOST DRAG, it walks the rest of the pressed timeline over the droppable areas, with their
// drag events (80, 81, 82) and the form events of their object methods (46, 21, 16).
#pragma once

#include <stdint.h>

#include <memory>

#include "Forms.h"

namespace zvhost {

// Form events of host drag and drop, as object methods see them.
enum FormEventCode : int32_t {
  kFormEventDrop = 16,
  kFormEventDragOver = 21,
  kFormEventBeginDragOver = 46
};

// kFDStartDrag: inside a mouse-down, asks for a host drag of the area's object once that event
// has returned; false anywhere else and while a host drag runs.
bool RequestHostDrag();
// Runs the host drag a mouse-down asked for, if any; true when one ran (it took the release).
bool RunPendingHostDrag();
// Walks the pointer's current position and what is left of the timeline; `dragged` is the
// dragged object's rectangle, the first field of the host drag record.
void WalkHostDrag(const Rect& dragged);

// The form event of the object method running (0 when none), as Form event code answers it.
int32_t RunningFormEvent();

} // namespace zvhost
