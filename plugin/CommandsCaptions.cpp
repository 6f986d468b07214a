// The commands for the captions' font, colours and alignment.
#if ZORVI_WITH_GRID

#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

int32_t ZV_SetCaptionFont(int32_t area, FDStringBlock* /*fontName*/, int32_t /*size*/,
                          int32_t /*style*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCaptionFont(int32_t area, FDStringBlock* fontName, int32_t* size, int32_t* style) {
  ResetTextOutput(fontName);
  *size = 0;
  *style = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCaptionColors(int32_t area, int32_t /*fore*/, int32_t /*back*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCaptionColors(int32_t area, int32_t* fore, int32_t* back) {
  *fore = 0;
  *back = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_SetCaptionAlignment(int32_t area, int32_t /*horizontal*/, int32_t /*vertical*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZV_GetCaptionAlignment(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = -1;
  *vertical = -1;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZVObs_SetCaptionStyle(int32_t area, FDStringBlock* /*fontName*/, int32_t /*size*/,
                              int32_t /*style*/, int32_t /*justification*/, int32_t /*fore*/,
                              int32_t /*back*/) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

int32_t ZVObs_GetCaptionStyle(int32_t area, FDStringBlock* fontName, int32_t* size, int32_t* style,
                              int32_t* justification, int32_t* fore, int32_t* back) {
  ResetTextOutput(fontName);
  *size = 0;
  *style = 0;
  *justification = 0;
  *fore = 0;
  *back = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr)
    return kZVErrBadParameter;
  return kZVErrNone;
}

#endif
