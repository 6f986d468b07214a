#include "grid/ZorvinArea.h"

void ZorvinArea::RedrawContentViewImmediately() {
  // The content view and its buffer arrive with drawing.
}

void ZorvinArea::SetupNativeCellPaths() {
  // The cell outlines arrive with drawing.
}
