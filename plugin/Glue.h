// The glue functions: one per assigned command, referenced by its descriptor record. Each reads
// the parameter block by the command's parameter kinds, calls the body and writes its error code.
#pragma once

class CXParam;
class CXResult;

void Zorvi_Area_Glue(CXParam* params, CXResult* result);
void ZV_SetAreaFlags_Glue(CXParam* params, CXResult* result);
void ZV_GetAreaFlags_Glue(CXParam* params, CXResult* result);
void ZV_SetCellOptions_Glue(CXParam* params, CXResult* result);
void ZV_GetCellOptions_Glue(CXParam* params, CXResult* result);
void ZV_SetSelectionOptions_Glue(CXParam* params, CXResult* result);
void ZV_GetSelectionOptions_Glue(CXParam* params, CXResult* result);
void ZV_SetCellsPerRow_Glue(CXParam* params, CXResult* result);
void ZV_GetCellsPerRow_Glue(CXParam* params, CXResult* result);
void ZV_SetNumCells_Glue(CXParam* params, CXResult* result);
void ZV_GetNumCells_Glue(CXParam* params, CXResult* result);
void ZV_SetCellPicture_Glue(CXParam* params, CXResult* result);
void ZV_GetCellPicture_Glue(CXParam* params, CXResult* result);
void ZV_SetCellCaption_Glue(CXParam* params, CXResult* result);
void ZV_GetCellCaption_Glue(CXParam* params, CXResult* result);
void ZV_SetCaptionFont_Glue(CXParam* params, CXResult* result);
void ZV_GetCaptionFont_Glue(CXParam* params, CXResult* result);
void ZV_SetCaptionColors_Glue(CXParam* params, CXResult* result);
void ZV_GetCaptionColors_Glue(CXParam* params, CXResult* result);
void ZV_SetCaptionAlignment_Glue(CXParam* params, CXResult* result);
void ZV_GetCaptionAlignment_Glue(CXParam* params, CXResult* result);
void ZVObs_SetCaptionStyle_Glue(CXParam* params, CXResult* result);
void ZVObs_GetCaptionStyle_Glue(CXParam* params, CXResult* result);
void ZVObs_SetAreaStyle_Glue(CXParam* params, CXResult* result);
void ZVObs_GetAreaStyle_Glue(CXParam* params, CXResult* result);
void ZV_SetAreaAlignment_Glue(CXParam* params, CXResult* result);
void ZV_GetAreaAlignment_Glue(CXParam* params, CXResult* result);
void ZV_SetCellSpacing_Glue(CXParam* params, CXResult* result);
void ZV_GetCellSpacing_Glue(CXParam* params, CXResult* result);
void ZV_SetSelection_Glue(CXParam* params, CXResult* result);
void ZV_GetSelection_Glue(CXParam* params, CXResult* result);
void ZV_RevealCell_Glue(CXParam* params, CXResult* result);
void ZV_UpdateArea_Glue(CXParam* params, CXResult* result);
void ZV_SetAreaBackgroundColor_Glue(CXParam* params, CXResult* result);
void ZV_GetAreaBackgroundColor_Glue(CXParam* params, CXResult* result);
void ZV_CaptureCell_Glue(CXParam* params, CXResult* result);
void ZV_GetVersion_Glue(CXParam* params, CXResult* result);
void ZVObs_GetQuickTimeVersion_Glue(CXParam* params, CXResult* result);
void ZV_SetEventHandler_Glue(CXParam* params, CXResult* result);
void ZV_SetCacheSize_Glue(CXParam* params, CXResult* result);
void ZV_GetCacheSize_Glue(CXParam* params, CXResult* result);
void ZV_SetDragOptions_Glue(CXParam* params, CXResult* result);
void ZV_GetDragOptions_Glue(CXParam* params, CXResult* result);
void ZVObs_SetDragSignatures_Glue(CXParam* params, CXResult* result);
void ZVObs_GetDragSignatures_Glue(CXParam* params, CXResult* result);
void ZVObs_SetDropSignatures_Glue(CXParam* params, CXResult* result);
void ZVObs_GetDropSignatures_Glue(CXParam* params, CXResult* result);
void ZVObs_GetDragSource_Glue(CXParam* params, CXResult* result);
void ZV_GetDropCell_Glue(CXParam* params, CXResult* result);
