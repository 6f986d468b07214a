// The commands for the captions' font, colours and alignment.
#include "grid/ZorvinArea.h"
#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

namespace {

// The obsolete style commands number the horizontal alignment their own way: 1 left, 0 centre,
// 2 right.
int32_t JustificationToAlignment(int32_t justification) {
  switch (justification) {
  case 1:
    return kZVAlignStart;
  case 0:
    return kZVAlignCenter;
  case 2:
    return kZVAlignEnd;
  default:
    return -1;
  }
}

int32_t AlignmentToJustification(int32_t alignment) {
  switch (alignment) {
  case kZVAlignStart:
    return 1;
  case kZVAlignCenter:
    return 0;
  case kZVAlignEnd:
    return 2;
  default:
    return 0;
  }
}

} // namespace

int32_t ZV_SetCaptionFont(int32_t area, FDStringBlock* fontName, int32_t size, int32_t style) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || !HasTextInput(fontName)) {
    return kZVErrBadParameter;
  }
  return grid->SetCaptionTextStyle(TextInput(fontName).c_str(), size, style);
}

int32_t ZV_GetCaptionFont(int32_t area, FDStringBlock* fontName, int32_t* size, int32_t* style) {
  ResetTextOutput(fontName);
  *size = 0;
  *style = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  SetTextOutput(fontName, grid->GetCaptionTextFont());
  *size = grid->GetCaptionTextSize();
  *style = grid->GetCaptionTextStyle();
  return kZVErrNone;
}

int32_t ZV_SetCaptionColors(int32_t area, int32_t fore, int32_t back) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  grid->SetCaptionTextColors(fore, back);
  return kZVErrNone;
}

int32_t ZV_GetCaptionColors(int32_t area, int32_t* fore, int32_t* back) {
  *fore = 0;
  *back = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *fore = grid->GetCaptionTextForeColor();
  *back = grid->GetCaptionTextBackColor();
  return kZVErrNone;
}

int32_t ZV_SetCaptionAlignment(int32_t area, int32_t horizontal, int32_t vertical) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetCaptionAlignment(horizontal, vertical);
}

int32_t ZV_GetCaptionAlignment(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = -1;
  *vertical = -1;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *horizontal = grid->GetCaptionHorzAlignment();
  *vertical = grid->GetCaptionVertAlignment();
  return kZVErrNone;
}

int32_t ZVObs_SetCaptionStyle(int32_t area, FDStringBlock* fontName, int32_t size, int32_t style,
                              int32_t justification, int32_t fore, int32_t back) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || !HasTextInput(fontName)) {
    return kZVErrBadParameter;
  }
  int32_t error = grid->SetCaptionTextStyle(TextInput(fontName).c_str(), size, style);
  if (error != kZVErrNone) {
    return error;
  }
  const int32_t horizontal = JustificationToAlignment(justification);
  error = horizontal == -1 ? kZVErrNone : grid->SetCaptionAlignment(horizontal, -1);
  grid->SetCaptionTextColors(fore, back);
  return error;
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
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  SetTextOutput(fontName, grid->GetCaptionTextFont());
  *size = grid->GetCaptionTextSize();
  *style = grid->GetCaptionTextStyle();
  *justification = AlignmentToJustification(grid->GetCaptionHorzAlignment());
  *fore = grid->GetCaptionTextForeColor();
  *back = grid->GetCaptionTextBackColor();
  return kZVErrNone;
}
