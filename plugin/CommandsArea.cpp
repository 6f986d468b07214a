// The area command and the commands for the area's flags, layout, alignment, spacing and colour.
#if ZORVI_WITH_GRID

#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

void Zorvi_Area(EventRecord* /*event*/, Rect* /*rect*/, FDStringBlock* /*areaName*/,
                FDStringBlock* /*objectName*/, int32_t* /*areaRefCell*/) {
  // Events are answered by the area manager, which arrives with the grid areas.
}

int32_t ZV_SetAreaFlags(int32_t area, int32_t /*flags*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetAreaFlags(int32_t area, int32_t* flags) {
  *flags = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCellsPerRow(int32_t area, int32_t /*count*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCellsPerRow(int32_t area, int32_t* count) {
  *count = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetNumCells(int32_t area, FDStringBlock* /*countExpression*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetNumCells(int32_t area, FDStringBlock* countExpression) {
  ResetTextOutput(countExpression);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetAreaAlignment(int32_t area, int32_t /*horizontal*/, int32_t /*vertical*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetAreaAlignment(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = -1;
  *vertical = -1;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCellSpacing(int32_t area, int32_t /*horizontal*/, int32_t /*vertical*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCellSpacing(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = 0;
  *vertical = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetAreaBackgroundColor(int32_t area, int32_t /*color*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

// No reset: a failing call leaves the caller's colour as it was.
int32_t ZV_GetAreaBackgroundColor(int32_t area, int32_t* /*color*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

// Obsolete: only the area is checked.
int32_t ZVObs_SetAreaStyle(int32_t area) {
  return ZVLookUpArea(area) != nullptr ? kZVErrNone : kZVErrBadParameter;
}

int32_t ZVObs_GetAreaStyle(int32_t area) {
  return ZVLookUpArea(area) != nullptr ? kZVErrNone : kZVErrBadParameter;
}

#endif
