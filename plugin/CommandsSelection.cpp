// The commands for the selection, revealing and refreshing cells, capturing a cell, the event
// handler and the cache.
#include "grid/ZorvinArea.h"
#include "host/CArray.h"
#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

int32_t ZV_SetSelectionOptions(int32_t area, int32_t kind, int32_t frameColor, int32_t frameWidth) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetSelectionOptions(kind, frameColor, frameWidth);
}

int32_t ZV_GetSelectionOptions(int32_t area, int32_t* kind, int32_t* frameColor,
                               int32_t* frameWidth) {
  *kind = 0;
  *frameColor = 0;
  *frameWidth = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *kind = grid->GetSelectionKind();
  *frameColor = grid->GetSelectionFrameColor();
  *frameWidth = grid->GetSelectionFrameWidth();
  return kZVErrNone;
}

namespace {

constexpr int32_t kReplaceSelection = 1;

// Long integers only: a 16-bit array would wrap cell numbers above 32767.
bool IsCellArrayOrUndefined(const CArray* cells) {
  return cells != nullptr && (cells->IsArrayLongint() || cells->IsUndefined());
}

} // namespace

int32_t ZV_SetSelection(int32_t area, int32_t cell, CArray* cells) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || !IsCellArrayOrUndefined(cells)) {
    return kZVErrBadParameter;
  }
  return grid->SetSelection(kReplaceSelection, cells, cell);
}

// No reset: the cell and the array stay as the caller had them when the call fails.
int32_t ZV_GetSelection(int32_t area, int32_t* cell, CArray* cells) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || !IsCellArrayOrUndefined(cells)) {
    return kZVErrBadParameter;
  }
  if (const int32_t error = grid->GetSelection(cells)) {
    return error;
  }
  return grid->GetSelectedCell(cell);
}

int32_t ZV_RevealCell(int32_t area, int32_t cell) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->RevealCell(cell);
}

int32_t ZV_UpdateArea(int32_t area, int32_t what, int32_t first, int32_t last) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->UpdateData(what, static_cast<uint32_t>(first), static_cast<uint32_t>(last));
}

int32_t ZV_CaptureCell(int32_t area, int32_t cell, FDPicture* picture) {
  if (picture != nullptr) {
    ResetPictureOutput(picture);
  }
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->CaptureCell(cell, picture);
}

int32_t ZV_SetEventHandler(int32_t area, FDStringBlock* methodName, int32_t eventMask) {
  GiveTextCharacters(methodName);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetEventHandler(TextInput(methodName).c_str(), static_cast<uint32_t>(eventMask));
}

int32_t ZV_SetCacheSize(int32_t area, int32_t byteSize) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetMaxCacheByteSize(static_cast<uint32_t>(byteSize));
}

int32_t ZV_GetCacheSize(int32_t area, int32_t* byteSize) {
  *byteSize = 0;
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *byteSize = static_cast<int32_t>(grid->GetMaxCacheByteSize());
  return kZVErrNone;
}
