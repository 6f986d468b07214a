// The commands for the cells: their size and back picture, their picture and caption expressions.
#if ZORVI_WITH_GRID

#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

namespace {

// The caption getter's other form: the caller asks which cell lies at a point.
bool AsksForHitTest(const FDStringBlock* expression) {
  static constexpr PA_Unichar kCell[] = {'c', 'e', 'l', 'l'};
  if (expression->fLength != 4 || expression->fString == nullptr)
    return false;
  for (int i = 0; i < 4; ++i) {
    if (expression->fString[i] != kCell[i])
      return false;
  }
  return true;
}

} // namespace

int32_t ZV_SetCellOptions(int32_t area, int32_t /*width*/, int32_t /*height*/,
                          FDPicture /*picture*/, int32_t /*format*/, int32_t /*radiusH*/,
                          int32_t /*radiusV*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCellOptions(int32_t area, int32_t* width, int32_t* height, FDPicture* picture,
                          int32_t* format, int32_t* radiusH, int32_t* radiusV) {
  *width = 0;
  *height = 0;
  ResetPictureOutput(picture);
  *format = 0;
  *radiusH = 0;
  *radiusV = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCellPicture(int32_t area, FDStringBlock* /*expression*/, int32_t /*left*/,
                          int32_t /*top*/, int32_t /*right*/, int32_t /*bottom*/,
                          int32_t /*format*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCellPicture(int32_t area, FDStringBlock* expression, int32_t* left, int32_t* top,
                          int32_t* right, int32_t* bottom, int32_t* format) {
  ResetTextOutput(expression);
  *left = 0;
  *top = 0;
  *right = 0;
  *bottom = 0;
  *format = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCellCaption(int32_t area, FDStringBlock* /*expression*/, int32_t /*left*/,
                          int32_t /*top*/, int32_t /*right*/, int32_t /*bottom*/,
                          FDStringBlock* /*format*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCellCaption(int32_t area, FDStringBlock* expression, int32_t* left, int32_t* top,
                          int32_t* right, int32_t* bottom, FDStringBlock* format) {
  if (AsksForHitTest(expression)) {
    // Answers a cell number, not an error code, and writes nothing; 0 is no cell.
    ZorvinArea* grid = ZVLookUpArea(area);
    if (grid == nullptr)
      return 0;
    return 0;
  }
  ResetTextOutput(expression);
  *left = 0;
  *top = 0;
  *right = 0;
  *bottom = 0;
  ResetTextOutput(format);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

#endif
