// The command bodies, one per assigned command, called by their glue with typed parameters.
// A long parameter named `area` is the host's reference to a grid area. Outputs are the caller's
// own storage. Each body returns its error code (CommandErrors.h) and never throws.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

class CArray;

// The area command: one host event for one area; writes no result.
void Zorvi_Area(EventRecord* event, Rect* rect, FDStringBlock* areaName, FDStringBlock* objectName,
                int32_t* areaRefCell);

// Area: flags, layout, alignment, spacing, background
int32_t ZV_SetAreaFlags(int32_t area, int32_t flags);
int32_t ZV_GetAreaFlags(int32_t area, int32_t* flags);
int32_t ZV_SetCellsPerRow(int32_t area, int32_t count);
int32_t ZV_GetCellsPerRow(int32_t area, int32_t* count);
int32_t ZV_SetNumCells(int32_t area, FDStringBlock* countExpression);
int32_t ZV_GetNumCells(int32_t area, FDStringBlock* countExpression);
int32_t ZV_SetAreaAlignment(int32_t area, int32_t horizontal, int32_t vertical);
int32_t ZV_GetAreaAlignment(int32_t area, int32_t* horizontal, int32_t* vertical);
int32_t ZV_SetCellSpacing(int32_t area, int32_t horizontal, int32_t vertical);
int32_t ZV_GetCellSpacing(int32_t area, int32_t* horizontal, int32_t* vertical);
int32_t ZV_SetAreaBackgroundColor(int32_t area, int32_t color);
int32_t ZV_GetAreaBackgroundColor(int32_t area, int32_t* color);
int32_t ZVObs_SetAreaStyle(int32_t area);
int32_t ZVObs_GetAreaStyle(int32_t area);

// Cells: size and back picture, picture and caption expressions
int32_t ZV_SetCellOptions(int32_t area, int32_t width, int32_t height, FDPicture picture,
                          int32_t format, int32_t radiusH, int32_t radiusV);
int32_t ZV_GetCellOptions(int32_t area, int32_t* width, int32_t* height, FDPicture* picture,
                          int32_t* format, int32_t* radiusH, int32_t* radiusV);
int32_t ZV_SetCellPicture(int32_t area, FDStringBlock* expression, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t format);
int32_t ZV_GetCellPicture(int32_t area, FDStringBlock* expression, int32_t* left, int32_t* top,
                          int32_t* right, int32_t* bottom, int32_t* format);
int32_t ZV_SetCellCaption(int32_t area, FDStringBlock* expression, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, FDStringBlock* format);
// With the expression text "cell" this answers the cell at the point (left, top) instead.
int32_t ZV_GetCellCaption(int32_t area, FDStringBlock* expression, int32_t* left, int32_t* top,
                          int32_t* right, int32_t* bottom, FDStringBlock* format);

// Captions: font, colours, alignment
int32_t ZV_SetCaptionFont(int32_t area, FDStringBlock* fontName, int32_t size, int32_t style);
int32_t ZV_GetCaptionFont(int32_t area, FDStringBlock* fontName, int32_t* size, int32_t* style);
int32_t ZV_SetCaptionColors(int32_t area, int32_t fore, int32_t back);
int32_t ZV_GetCaptionColors(int32_t area, int32_t* fore, int32_t* back);
int32_t ZV_SetCaptionAlignment(int32_t area, int32_t horizontal, int32_t vertical);
int32_t ZV_GetCaptionAlignment(int32_t area, int32_t* horizontal, int32_t* vertical);
int32_t ZVObs_SetCaptionStyle(int32_t area, FDStringBlock* fontName, int32_t size, int32_t style,
                              int32_t justification, int32_t fore, int32_t back);
int32_t ZVObs_GetCaptionStyle(int32_t area, FDStringBlock* fontName, int32_t* size, int32_t* style,
                              int32_t* justification, int32_t* fore, int32_t* back);

// Selection, reveal, refresh, capture, event handler, cache
int32_t ZV_SetSelectionOptions(int32_t area, int32_t kind, int32_t frameColor, int32_t frameWidth);
int32_t ZV_GetSelectionOptions(int32_t area, int32_t* kind, int32_t* frameColor,
                               int32_t* frameWidth);
int32_t ZV_SetSelection(int32_t area, int32_t cell, CArray* cells);
int32_t ZV_GetSelection(int32_t area, int32_t* cell, CArray* cells);
int32_t ZV_RevealCell(int32_t area, int32_t cell);
int32_t ZV_UpdateArea(int32_t area, int32_t what, int32_t first, int32_t last);
int32_t ZV_CaptureCell(int32_t area, int32_t cell, FDPicture* picture);
int32_t ZV_SetEventHandler(int32_t area, FDStringBlock* methodName, int32_t eventMask);
int32_t ZV_SetCacheSize(int32_t area, int32_t byteSize);
int32_t ZV_GetCacheSize(int32_t area, int32_t* byteSize);

// Drag and drop
int32_t ZV_SetDragOptions(int32_t area, int32_t flags, int32_t caretWidth, int32_t caretColor,
                          int32_t blinkInterval);
int32_t ZV_GetDragOptions(int32_t area, int32_t* flags, int32_t* caretWidth, int32_t* caretColor,
                          int32_t* blinkInterval);
int32_t ZVObs_SetDragSignatures(int32_t area, CArray* signatures);
int32_t ZVObs_GetDragSignatures(int32_t area, CArray* signatures);
int32_t ZVObs_SetDropSignatures(int32_t area, CArray* signatures);
int32_t ZVObs_GetDropSignatures(int32_t area, CArray* signatures);
int32_t ZVObs_GetDragSource(int32_t area, int32_t* sourceArea, int32_t* sourceProcess,
                            FDStringBlock* signature);
int32_t ZV_GetDropCell(int32_t area, int32_t* cell);

// Version, in every build
int32_t ZV_GetVersion(FDStringBlock* version, FDStringBlock* fullName);
int32_t ZVObs_GetQuickTimeVersion();
