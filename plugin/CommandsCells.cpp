// The commands for the cells: their size and back picture, their picture and caption expressions.
#include "grid/RectFitting.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "plugin/AreaCheck.h"
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"

namespace {

// The caption getter's other form: the caller asks which cell lies at a point.
bool AsksForHitTest(const FDStringBlock* expression) {
  static constexpr PA_Unichar kCell[] = {'c', 'e', 'l', 'l'};
  if (expression->fLength != 4 || expression->fString == nullptr) {
    return false;
  }
  for (int i = 0; i < 4; ++i) {
    if (expression->fString[i] != kCell[i]) {
      return false;
    }
  }
  return true;
}

// Rectangles inside a cell come as left, top, right, bottom and are kept as origin and size.
CGRect CellRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return CGRectMake(static_cast<CGFloat>(left), static_cast<CGFloat>(top),
                    static_cast<CGFloat>(right) - static_cast<CGFloat>(left),
                    static_cast<CGFloat>(bottom) - static_cast<CGFloat>(top));
}

void WriteCellRect(CGRect rect, int32_t* left, int32_t* top, int32_t* right, int32_t* bottom) {
  *left = CGFloatToInt32(rect.origin.x);
  *top = CGFloatToInt32(rect.origin.y);
  *right = CGFloatToInt32(rect.origin.x + rect.size.width);
  *bottom = CGFloatToInt32(rect.origin.y + rect.size.height);
}

// The place a drop at a window point would go: the cell before which it lands, -1 past the last
// cell or when there are no cells, 0 when no cell is found.
int32_t CellAtWindowPoint(const ZorvinArea* grid, int32_t h, int32_t v) {
  if (grid->GetCellCount() <= 0) {
    return -1;
  }
  const CGPoint port = CGPointMake(static_cast<CGFloat>(h), static_cast<CGFloat>(v));
  uint32_t cell = 0;
  const DropCellPart part =
      grid->GetDropCellAtDocPoint(0, grid->ViewPointToDoc(grid->PortPointToView(port)), &cell);
  if (cell == 0) {
    return 0;
  }
  const int64_t place = static_cast<int64_t>(cell) + part;
  return place > grid->GetCellCount() ? -1 : static_cast<int32_t>(place);
}

constexpr PA_Unichar kNoText[] = {0};

} // namespace

int32_t ZV_SetCellOptions(int32_t area, int32_t width, int32_t height, FDPicture picture,
                          int32_t format, int32_t radiusH, int32_t radiusV) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  int32_t byteSize = 0;
  int32_t pictureWidth = 0;
  int32_t pictureHeight = 0;
  if (picture != nullptr) {
    if (FourD::GetPictureSizeByCommand(picture, &byteSize) != kFDErrNone) {
      byteSize = 0;
    }
    if (FourD::GetPictureDimensions(picture, &pictureWidth, &pictureHeight) != kFDErrNone) {
      pictureWidth = 0;
      pictureHeight = 0;
    }
  }
  int32_t backFormat = 0;
  if (byteSize > 0) {
    backFormat = format == 0 ? kZVFormatTruncatedCentered : format;
  } else if (width <= 0 || height <= 0) {
    return kZVErrBadParameter;
  }
  // -1 for both sizes: the cells take the back picture's size, which then needs no fitting.
  if (pictureWidth > 0 && pictureHeight > 0 && width == -1 && height == -1) {
    width = pictureWidth;
    height = pictureHeight;
    backFormat = 0;
  }
  if (radiusH >= 0 && radiusV == 0) {
    radiusV = radiusH;
  }
  if (radiusH < 0 || radiusV < 0 || int64_t{width} < 2 * int64_t{radiusH} ||
      int64_t{height} < 2 * int64_t{radiusV}) {
    return kZVErrBadParameter;
  }
  // Radii go first so that the new size never meets corners too big for it; a later failure
  // leaves the cells square.
  int32_t error = grid->SetCellCornerRadii(0, 0);
  if (error == kZVErrNone) {
    error = grid->SetCellSize(width, height);
  }
  if (error == kZVErrNone) {
    error = grid->SetCellCornerRadii(radiusH, radiusV);
  }
  if (error != kZVErrNone) {
    return error;
  }
  error = grid->SetBackPicture(picture);
  if (error != kZVErrNone) {
    return error;
  }
  return grid->SetBackPictureDisplayFormat(backFormat);
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
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  int32_t error = grid->GetBackPicture(picture);
  if (error != kZVErrNone) {
    return error;
  }
  *format = grid->GetBackPictureDisplayFormat();
  *width = grid->GetCellWidth();
  *height = grid->GetCellHeight();
  *radiusH = grid->GetCellCornerXRadius();
  *radiusV = grid->GetCellCornerYRadius();
  return kZVErrNone;
}

int32_t ZV_SetCellPicture(int32_t area, FDStringBlock* expression, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t format) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  if (format == 0) {
    format = kZVFormatTruncatedTopLeft;
  }
  if (!IsValidPictureDisplayFormat(format) || right < left || bottom < top) {
    return kZVErrBadParameter;
  }
  if (!HasTextInput(expression)) {
    grid->ClearPictureExpression();
    grid->SetPictureRect(CGRectZero);
    return kZVErrNone;
  }
  return grid->SetCellPicture(TextInput(expression).c_str(), CellRect(left, top, right, bottom),
                              format);
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
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  SetTextOutput(expression, grid->GetPictureExpression());
  WriteCellRect(grid->GetPictureRect(), left, top, right, bottom);
  *format = grid->GetPictureDisplayFormat();
  return kZVErrNone;
}

int32_t ZV_SetCellCaption(int32_t area, FDStringBlock* expression, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, FDStringBlock* format) {
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr || right < left || bottom < top) {
    return kZVErrBadParameter;
  }
  if (!HasTextInput(expression)) {
    grid->ClearCaptionExpression();
    grid->SetCaptionRect(CGRectZero);
    grid->SetCaptionTextFormat(kNoText);
    return kZVErrNone;
  }
  // The rectangle and format are taken even when the expression is refused.
  int32_t error = grid->SetCaptionExpression(TextInput(expression).c_str());
  grid->SetCaptionRect(CellRect(left, top, right, bottom));
  grid->SetCaptionTextFormat(TextInput(format).c_str());
  return error;
}

int32_t ZV_GetCellCaption(int32_t area, FDStringBlock* expression, int32_t* left, int32_t* top,
                          int32_t* right, int32_t* bottom, FDStringBlock* format) {
  if (AsksForHitTest(expression)) {
    // Answers a cell number, not an error code, and writes nothing; 0 is no cell.
    ZorvinArea* grid = ZVLookUpArea(area);
    if (grid == nullptr) {
      return 0;
    }
    return CellAtWindowPoint(grid, *left, *top);
  }
  ResetTextOutput(expression);
  *left = 0;
  *top = 0;
  *right = 0;
  *bottom = 0;
  ResetTextOutput(format);
  ZorvinArea* grid = ZVLookUpArea(area);
  if (grid == nullptr) {
    return kZVErrBadParameter;
  }
  SetTextOutput(expression, grid->GetCaptionExpression());
  WriteCellRect(grid->GetCaptionRect(), left, top, right, bottom);
  SetTextOutput(format, grid->GetCaptionTextFormat());
  return kZVErrNone;
}
