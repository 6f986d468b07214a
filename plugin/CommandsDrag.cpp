// The commands for drag and drop: options, signatures, the drag source and the drop cell.
#include "grid/ZorvinArea.h"
#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

int32_t ZV_SetDragOptions(int32_t area, int32_t flags, int32_t caretWidth, int32_t caretColor,
                          int32_t blinkInterval) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetDragOptions(flags, caretWidth, caretColor, blinkInterval);
}

// No reset: a failing call leaves the caller's values as they were.
int32_t ZV_GetDragOptions(int32_t area, int32_t* flags, int32_t* caretWidth, int32_t* caretColor,
                          int32_t* blinkInterval) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *flags = grid->GetDragFlags();
  *caretWidth = grid->GetCaretWidth();
  *caretColor = grid->GetCaretColor();
  *blinkInterval = grid->GetCaretBlinkInterval();
  return kZVErrNone;
}

int32_t ZVObs_SetDragSignatures(int32_t area, CArray* signatures) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetDragSignatures(signatures);
}

int32_t ZVObs_GetDragSignatures(int32_t area, CArray* signatures) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->GetDragSignatures(signatures);
}

int32_t ZVObs_SetDropSignatures(int32_t area, CArray* signatures) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->SetDropSignatures(signatures);
}

int32_t ZVObs_GetDropSignatures(int32_t area, CArray* signatures) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  return grid->GetDropSignatures(signatures);
}

// The signature is renewed first; the two longs are written only for a live source area, which
// the source of a past drop may no longer be.
int32_t ZVObs_GetDragSource(int32_t area, int32_t* sourceArea, int32_t* sourceProcess,
                            FDStringBlock* signature) {
  RenewTextOutput(signature);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  const ZorvinArea* source = ZVLookUpArea(grid->GetDragSourceArea());
  if (source == nullptr) {
    return kZVErrBadParameter;
  }
  *sourceArea = source->GetAreaRef();
  *sourceProcess = source->GetAreaProcess();
  return SetTextOutput(signature, grid->GetDropSig());
}

// No reset: a failing call leaves the caller's cell as it was.
int32_t ZV_GetDropCell(int32_t area, int32_t* cell) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  *cell = grid->Get4DDropCell();
  return kZVErrNone;
}
