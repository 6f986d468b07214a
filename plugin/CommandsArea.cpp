// The area command and the commands for the area's flags, layout, alignment, spacing and colour.
#include <algorithm>

#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

namespace {

// A host text block's characters, zero-terminated and cut to a name's 255 units; a block
// without characters reads as the empty name.
void CopyBlockName(const FDStringBlock* block, PA_Unichar (&name)[256]) {
  name[0] = 0;
  if (block == nullptr || block->fString == nullptr || block->fLength <= 0) {
    return;
  }
  size_t units = std::min<size_t>(static_cast<size_t>(block->fLength), 255);
  std::copy_n(block->fString, units, name);
  name[units] = 0;
}

} // namespace

void Zorvi_Area(EventRecord* event, Rect* rect, FDStringBlock* areaName, FDStringBlock* objectName,
                int32_t* areaRefCell) {
  if (event == nullptr) {
    return;
  }
  if (gZorvinAreaManager == nullptr && !InitZorvinArea()) {
    return;
  }
  PA_Unichar area[256];
  PA_Unichar object[256];
  CopyBlockName(areaName, area);
  CopyBlockName(objectName, object);
  gZorvinAreaManager->DispatchEvent(event, rect, area, object, areaRefCell);
}

int32_t ZV_SetAreaFlags(int32_t area, int32_t flags) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  grid->ConfigureFlags(static_cast<uint32_t>(flags));
  return kZVErrNone;
}

int32_t ZV_GetAreaFlags(int32_t area, int32_t* flags) {
  *flags = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  uint32_t bits = 0;
  if (grid->GetTipsEnabled()) {
    bits |= kZVAreaTipsEnabled;
  }
  if (grid->GetScrollsByCell()) {
    bits |= kZVAreaScrollsByCell;
  }
  *flags = static_cast<int32_t>(bits);
  return kZVErrNone;
}

int32_t ZV_SetCellsPerRow(int32_t area, int32_t count) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || count < 0) {
    return kZVErrBadParameter;
  }
  return grid->SetCellsInBand(count);
}

int32_t ZV_GetCellsPerRow(int32_t area, int32_t* count) {
  *count = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *count = grid->GetCellsInBand();
  return kZVErrNone;
}

int32_t ZV_SetNumCells(int32_t area, FDStringBlock* countExpression) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  if (!HasTextInput(countExpression)) {
    grid->ClearCountExpression();
    return kZVErrNone;
  }
  return grid->SetCountExpression(TextInput(countExpression).c_str());
}

int32_t ZV_GetNumCells(int32_t area, FDStringBlock* countExpression) {
  ResetTextOutput(countExpression);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  SetTextOutput(countExpression, grid->GetCountExpression());
  return kZVErrNone;
}

int32_t ZV_SetAreaAlignment(int32_t area, int32_t horizontal, int32_t vertical) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  if (horizontal == -1) {
    horizontal = grid->GetHorzAlignment();
  }
  if (vertical == -1) {
    vertical = grid->GetVertAlignment();
  }
  return grid->SetAlignment(horizontal, vertical);
}

int32_t ZV_GetAreaAlignment(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = -1;
  *vertical = -1;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *horizontal = grid->GetHorzAlignment();
  *vertical = grid->GetVertAlignment();
  return kZVErrNone;
}

int32_t ZV_SetCellSpacing(int32_t area, int32_t horizontal, int32_t vertical) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || horizontal < 0 || vertical < 0) {
    return kZVErrBadParameter;
  }
  return grid->SetCellSpacing(horizontal, vertical);
}

int32_t ZV_GetCellSpacing(int32_t area, int32_t* horizontal, int32_t* vertical) {
  *horizontal = 0;
  *vertical = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *horizontal = grid->GetCellXSpacing();
  *vertical = grid->GetCellYSpacing();
  return kZVErrNone;
}

int32_t ZV_SetAreaBackgroundColor(int32_t area, int32_t color) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  grid->SetBackColor(color);
  return kZVErrNone;
}

// No reset: a failing call leaves the caller's colour as it was.
int32_t ZV_GetAreaBackgroundColor(int32_t area, int32_t* color) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *color = grid->GetBackColor();
  return kZVErrNone;
}

// Obsolete: only the area is checked.
int32_t ZVObs_SetAreaStyle(int32_t area) {
  return ZVLookUpArea(area) != nullptr ? kZVErrNone : kZVErrBadParameter;
}

int32_t ZVObs_GetAreaStyle(int32_t area) {
  return ZVLookUpArea(area) != nullptr ? kZVErrNone : kZVErrBadParameter;
}
