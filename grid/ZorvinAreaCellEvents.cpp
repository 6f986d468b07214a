#include <stdlib.h>

#include "grid/ZorvinArea.h"

void ZorvinArea::PostCellEvent(int32_t code, int32_t cell) {
  if (fPendingEvents == nullptr)
    return;
  auto* event = static_cast<ZorvinCellEvent*>(malloc(sizeof(ZorvinCellEvent)));
  if (event == nullptr)
    return;
  event->fCode = code;
  event->fCell = cell;
  if (add_to_end(fPendingEvents, event) != 0)
    free(event);
}
