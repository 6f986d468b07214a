#include "grid/ZorvinArea.h"

void ZorvinArea::RedrawContentViewImmediately() {
  // The content view and its buffer arrive with drawing.
}
