#include "plugin/Glue.h"

#include "plugin/CXParam.h"
#include "plugin/CXResult.h"
#include "plugin/Commands.h"

// Parameter i is read with the accessor of its kind: a long input by value, a long output as the
// caller's cell, texts as the caller's block, pictures by reference or as the caller's cell,
// arrays as the host's array block.

// The fixed area-event block: event, rectangle, area name, reference cell, an unused text block,
// object name.
void Zorvi_Area_Glue(CXParam* p, CXResult* /*result*/) {
  Zorvi_Area(p[0].GetEventPtr(), p[1].GetRectPtr(), p[2].GetFDStringBlockPtr(),
             p[5].GetFDStringBlockPtr(), p[3].GetLongPtr());
}

// The style values of these two obsolete commands are neither used nor written.
void ZVObs_SetAreaStyle_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_SetAreaStyle(p[0].GetLong()));
}

void ZVObs_GetAreaStyle_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_GetAreaStyle(p[0].GetLong()));
}

// The text output is left as the caller had it.
void ZVObs_GetQuickTimeVersion_Glue(CXParam* /*p*/, CXResult* r) {
  r->SetLong(ZVObs_GetQuickTimeVersion());
}

void ZV_SetAreaFlags_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetAreaFlags(p[0].GetLong(), p[1].GetLong()));
}

void ZV_GetAreaFlags_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetAreaFlags(p[0].GetLong(), p[1].GetLongPtr()));
}

void ZV_SetCellOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCellOptions(p[0].GetLong(), p[1].GetLong(), p[2].GetLong(),
                               p[3].GetFDPictureRef(), p[4].GetLong(), p[5].GetLong(),
                               p[6].GetLong()));
}

void ZV_GetCellOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCellOptions(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr(),
                               p[3].GetFDPictureRefPtr(), p[4].GetLongPtr(), p[5].GetLongPtr(),
                               p[6].GetLongPtr()));
}

void ZV_SetSelectionOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(
      ZV_SetSelectionOptions(p[0].GetLong(), p[1].GetLong(), p[2].GetLong(), p[3].GetLong()));
}

void ZV_GetSelectionOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetSelectionOptions(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr(),
                                    p[3].GetLongPtr()));
}

void ZV_SetCellsPerRow_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCellsPerRow(p[0].GetLong(), p[1].GetLong()));
}

void ZV_GetCellsPerRow_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCellsPerRow(p[0].GetLong(), p[1].GetLongPtr()));
}

void ZV_SetNumCells_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetNumCells(p[0].GetLong(), p[1].GetFDStringBlockPtr()));
}

void ZV_GetNumCells_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetNumCells(p[0].GetLong(), p[1].GetFDStringBlockPtr()));
}

void ZV_SetCellPicture_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCellPicture(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLong(),
                               p[3].GetLong(), p[4].GetLong(), p[5].GetLong(), p[6].GetLong()));
}

void ZV_GetCellPicture_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCellPicture(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLongPtr(),
                               p[3].GetLongPtr(), p[4].GetLongPtr(), p[5].GetLongPtr(),
                               p[6].GetLongPtr()));
}

void ZV_SetCellCaption_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCellCaption(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLong(),
                               p[3].GetLong(), p[4].GetLong(), p[5].GetLong(),
                               p[6].GetFDStringBlockPtr()));
}

void ZV_GetCellCaption_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCellCaption(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLongPtr(),
                               p[3].GetLongPtr(), p[4].GetLongPtr(), p[5].GetLongPtr(),
                               p[6].GetFDStringBlockPtr()));
}

void ZV_SetCaptionFont_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCaptionFont(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLong(),
                               p[3].GetLong()));
}

void ZV_GetCaptionFont_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCaptionFont(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLongPtr(),
                               p[3].GetLongPtr()));
}

void ZV_SetCaptionColors_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCaptionColors(p[0].GetLong(), p[1].GetLong(), p[2].GetLong()));
}

void ZV_GetCaptionColors_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCaptionColors(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr()));
}

void ZV_SetCaptionAlignment_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCaptionAlignment(p[0].GetLong(), p[1].GetLong(), p[2].GetLong()));
}

void ZV_GetCaptionAlignment_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCaptionAlignment(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr()));
}

void ZVObs_SetCaptionStyle_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_SetCaptionStyle(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLong(),
                                   p[3].GetLong(), p[4].GetLong(), p[5].GetLong(), p[6].GetLong()));
}

void ZVObs_GetCaptionStyle_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_GetCaptionStyle(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLongPtr(),
                                   p[3].GetLongPtr(), p[4].GetLongPtr(), p[5].GetLongPtr(),
                                   p[6].GetLongPtr()));
}

void ZV_SetAreaAlignment_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetAreaAlignment(p[0].GetLong(), p[1].GetLong(), p[2].GetLong()));
}

void ZV_GetAreaAlignment_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetAreaAlignment(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr()));
}

void ZV_SetCellSpacing_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCellSpacing(p[0].GetLong(), p[1].GetLong(), p[2].GetLong()));
}

void ZV_GetCellSpacing_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCellSpacing(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr()));
}

void ZV_SetSelection_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetSelection(p[0].GetLong(), p[1].GetLong(), p[2].GetArrayPtr()));
}

void ZV_GetSelection_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetSelection(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetArrayPtr()));
}

void ZV_RevealCell_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_RevealCell(p[0].GetLong(), p[1].GetLong()));
}

void ZV_UpdateArea_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_UpdateArea(p[0].GetLong(), p[1].GetLong(), p[2].GetLong(), p[3].GetLong()));
}

void ZV_SetAreaBackgroundColor_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetAreaBackgroundColor(p[0].GetLong(), p[1].GetLong()));
}

void ZV_GetAreaBackgroundColor_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetAreaBackgroundColor(p[0].GetLong(), p[1].GetLongPtr()));
}

void ZV_CaptureCell_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_CaptureCell(p[0].GetLong(), p[1].GetLong(), p[2].GetFDPictureRefPtr()));
}

void ZV_GetVersion_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetVersion(p[0].GetFDStringBlockPtr(), p[1].GetFDStringBlockPtr()));
}

void ZV_SetEventHandler_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetEventHandler(p[0].GetLong(), p[1].GetFDStringBlockPtr(), p[2].GetLong()));
}

void ZV_SetCacheSize_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetCacheSize(p[0].GetLong(), p[1].GetLong()));
}

void ZV_GetCacheSize_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetCacheSize(p[0].GetLong(), p[1].GetLongPtr()));
}

void ZV_SetDragOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_SetDragOptions(p[0].GetLong(), p[1].GetLong(), p[2].GetLong(), p[3].GetLong(),
                               p[4].GetLong()));
}

void ZV_GetDragOptions_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetDragOptions(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr(),
                               p[3].GetLongPtr(), p[4].GetLongPtr()));
}

void ZVObs_SetDragSignatures_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_SetDragSignatures(p[0].GetLong(), p[1].GetArrayPtr()));
}

void ZVObs_GetDragSignatures_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_GetDragSignatures(p[0].GetLong(), p[1].GetArrayPtr()));
}

void ZVObs_SetDropSignatures_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_SetDropSignatures(p[0].GetLong(), p[1].GetArrayPtr()));
}

void ZVObs_GetDropSignatures_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_GetDropSignatures(p[0].GetLong(), p[1].GetArrayPtr()));
}

void ZVObs_GetDragSource_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZVObs_GetDragSource(p[0].GetLong(), p[1].GetLongPtr(), p[2].GetLongPtr(),
                                 p[3].GetFDStringBlockPtr()));
}

void ZV_GetDropCell_Glue(CXParam* p, CXResult* r) {
  r->SetLong(ZV_GetDropCell(p[0].GetLong(), p[1].GetLongPtr()));
}
