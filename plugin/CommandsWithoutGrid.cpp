// The command bodies of a build without the grid: the area command does nothing and every other
// command but the version commands answers -2093, leaving its outputs as the caller had them.
#include "plugin/CommandErrors.h"
#include "plugin/Commands.h"

void Zorvi_Area(EventRecord*, Rect*, FDStringBlock*, FDStringBlock*, int32_t*) {}

int32_t ZV_SetAreaFlags(int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetAreaFlags(int32_t, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCellsPerRow(int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCellsPerRow(int32_t, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetNumCells(int32_t, FDStringBlock*) {
  return kZVErrNoGrid;
}

int32_t ZV_GetNumCells(int32_t, FDStringBlock*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetAreaAlignment(int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetAreaAlignment(int32_t, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCellSpacing(int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCellSpacing(int32_t, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetAreaBackgroundColor(int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetAreaBackgroundColor(int32_t, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_SetAreaStyle(int32_t) {
  return kZVErrNoGrid;
}

int32_t ZVObs_GetAreaStyle(int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCellOptions(int32_t, int32_t, int32_t, FDPicture, int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCellOptions(int32_t, int32_t*, int32_t*, FDPicture*, int32_t*, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCellPicture(int32_t, FDStringBlock*, int32_t, int32_t, int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCellPicture(int32_t, FDStringBlock*, int32_t*, int32_t*, int32_t*, int32_t*,
                          int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCellCaption(int32_t, FDStringBlock*, int32_t, int32_t, int32_t, int32_t,
                          FDStringBlock*) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCellCaption(int32_t, FDStringBlock*, int32_t*, int32_t*, int32_t*, int32_t*,
                          FDStringBlock*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCaptionFont(int32_t, FDStringBlock*, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCaptionFont(int32_t, FDStringBlock*, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCaptionColors(int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCaptionColors(int32_t, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCaptionAlignment(int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCaptionAlignment(int32_t, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_SetCaptionStyle(int32_t, FDStringBlock*, int32_t, int32_t, int32_t, int32_t,
                              int32_t) {
  return kZVErrNoGrid;
}

int32_t ZVObs_GetCaptionStyle(int32_t, FDStringBlock*, int32_t*, int32_t*, int32_t*, int32_t*,
                              int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetSelectionOptions(int32_t, int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetSelectionOptions(int32_t, int32_t*, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetSelection(int32_t, int32_t, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZV_GetSelection(int32_t, int32_t*, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZV_RevealCell(int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_UpdateArea(int32_t, int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_CaptureCell(int32_t, int32_t, FDPicture*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetEventHandler(int32_t, FDStringBlock*, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_SetCacheSize(int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetCacheSize(int32_t, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZV_SetDragOptions(int32_t, int32_t, int32_t, int32_t, int32_t) {
  return kZVErrNoGrid;
}

int32_t ZV_GetDragOptions(int32_t, int32_t*, int32_t*, int32_t*, int32_t*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_SetDragSignatures(int32_t, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_GetDragSignatures(int32_t, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_SetDropSignatures(int32_t, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_GetDropSignatures(int32_t, CArray*) {
  return kZVErrNoGrid;
}

int32_t ZVObs_GetDragSource(int32_t, int32_t*, int32_t*, FDStringBlock*) {
  return kZVErrNoGrid;
}

int32_t ZV_GetDropCell(int32_t, int32_t*) {
  return kZVErrNoGrid;
}
