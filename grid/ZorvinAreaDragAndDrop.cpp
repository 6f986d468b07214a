// Placeholder definitions of the drag entry points the click path calls, until drag and drop
// lands: no area offers drags yet.
#include "grid/ZorvinArea.h"

bool ZorvinArea::SupportsDragEvents() const {
  return false;
}

bool ZorvinArea::HandleDrag(CGPoint /*docPoint*/, uint32_t /*modifiers*/, uint32_t /*cell*/) {
  return false;
}

bool ZorvinArea::Handle4DDrag(CGPoint /*docPoint*/) {
  return false;
}
