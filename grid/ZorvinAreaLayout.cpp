// Layout: cell size, spacing, alignment and cells per band, and the rows and columns they make.
#include "grid/ZorvinArea.h"

#include <cmath>

#include "platform/win/ZorvinAreaControlsWin.h"

bool ZorvinArea::IsValidHorzAlignment(int32_t alignment) {
  return alignment == kZVAlignStart || alignment == kZVAlignCenter || alignment == kZVAlignEnd;
}

bool ZorvinArea::IsValidVertAlignment(int32_t alignment) {
  return IsValidHorzAlignment(alignment);
}

int32_t ZorvinArea::SetCellsInBand(int32_t cells) {
  if (cells < 0) {
    return kFDErrBadParameter;
  }
  if (cells == fCellsInBand) {
    return 0;
  }
  fCellsInBand = cells;
  Refresh();
  return 0;
}

int32_t ZorvinArea::SetAlignment(int32_t horizontal, int32_t vertical) {
  if (!IsValidHorzAlignment(horizontal) || !IsValidVertAlignment(vertical)) {
    return kFDErrBadParameter;
  }
  if (horizontal == fHorzAlignment && vertical == fVertAlignment) {
    return 0;
  }
  fHorzAlignment = horizontal;
  fVertAlignment = vertical;
  AdjustOrigin();
  AdjustScrollbars();
  RedrawContentViewImmediately();
  return 0;
}

int32_t ZorvinArea::SetCellSize(int32_t width, int32_t height) {
  if (width < 0 || height < 0) {
    return kFDErrBadParameter;
  }
  const CGSize size = CGSizeMake(static_cast<CGFloat>(width), static_cast<CGFloat>(height));
  if (CGSizeEqualToSize(size, fCellSize)) {
    return 0;
  }
  fCellSize = size;
  SetupNativeCellPaths();
  Refresh();
  return 0;
}

int32_t ZorvinArea::GetCellWidth() const {
  return CGFloatToInt32(fCellSize.width);
}

int32_t ZorvinArea::GetCellHeight() const {
  return CGFloatToInt32(fCellSize.height);
}

int32_t ZorvinArea::SetCellSpacing(int32_t x, int32_t y) {
  if (x < 0 || y < 0) {
    return kFDErrBadParameter;
  }
  const CGSize spacing = CGSizeMake(static_cast<CGFloat>(x), static_cast<CGFloat>(y));
  if (CGSizeEqualToSize(spacing, fCellSpacing)) {
    return 0;
  }
  fCellSpacing = spacing;
  Refresh();
  return 0;
}

int32_t ZorvinArea::GetCellXSpacing() const {
  return CGFloatToInt32(fCellSpacing.width);
}

int32_t ZorvinArea::GetCellYSpacing() const {
  return CGFloatToInt32(fCellSpacing.height);
}

int32_t ZorvinArea::SetCellCornerRadii(int32_t xRadius, int32_t yRadius) {
  const bool square = xRadius == 0 && yRadius == 0;
  const bool fits = xRadius >= 0 && yRadius >= 0 && 2 * int64_t{xRadius} <= fCellSize.width &&
                    2 * int64_t{yRadius} <= fCellSize.height;
  if (!square && !fits) {
    return kFDErrBadParameter;
  }
  fCornerXRadius = xRadius;
  fCornerYRadius = yRadius;
  SetupNativeCellPaths();
  fNeedsRedraw = true;
  return 0;
}

int32_t ZorvinArea::ScrollbarThickness() {
  return ZorvinAreaControlsWin::GetScrollbarSize();
}

void ZorvinArea::UpdateLayout() {
  if (fCellsInBand != 0) {
    UpdateFixedLayout();
  } else {
    UpdateAutoLayout();
  }
}

void ZorvinArea::ResetLayout() {
  fRowCount = 0;
  fColumnCount = 0;
  fDocSize = CGSizeZero;
  fContentSize = CGSizeZero;
  fHorzScrollNeeded = false;
  fVertScrollNeeded = false;
}

int32_t ZorvinArea::CellsPerRowForWidth(int64_t width) const {
  const int64_t cell = CGFloatToInt64(DocSizeToScaled(fCellSize).width);
  const int64_t gap = CGFloatToInt64(DocSizeToScaled(fCellSpacing).width);
  if (cell + gap <= 0) {
    return 1;
  }
  const int64_t perRow = (width - gap) / (cell + gap);
  // Also when the width less the scroll bar is negative: a row always holds one cell.
  if (perRow < 1) {
    return 1;
  }
  return perRow > INT32_MAX ? INT32_MAX : static_cast<int32_t>(perRow);
}

int32_t ZorvinArea::CalcCellsPerRow(bool lessScrollbar) const {
  if (fCellsInBand != 0) {
    return fCellsInBand;
  }
  int64_t width = CGFloatToInt64(fAreaViewFrame.size.width);
  if (lessScrollbar) {
    width -= ScrollbarThickness();
  }
  return CellsPerRowForWidth(width);
}

void ZorvinArea::ApplyRowsAndColumns(int32_t perRow, CGSize cell, CGSize gap) {
  int64_t rows = fCellCount / perRow;
  if (fCellCount % perRow != 0) {
    ++rows;
  }
  fRowCount = static_cast<int32_t>(rows);
  // A single row is only as wide as its cells.
  fColumnCount = rows > 1 ? perRow : fCellCount;
  const int64_t pitchX = CGFloatToInt64(cell.width) + CGFloatToInt64(gap.width);
  const int64_t pitchY = CGFloatToInt64(cell.height) + CGFloatToInt64(gap.height);
  fContentSize.width = gap.width + static_cast<CGFloat>(fColumnCount * pitchX);
  fContentSize.height = gap.height + static_cast<CGFloat>(rows * pitchY);
  fDocSize = ScaledSizeToDoc(fContentSize);
}

void ZorvinArea::UpdateAutoLayout() {
  ResetLayout();
  if (fCellSize.width < 1.0 || fCellSize.height < 1.0) {
    return;
  }
  const CGSize cell = DocSizeToScaled(fCellSize);
  const CGSize gap = DocSizeToScaled(fCellSpacing);
  int32_t perRow = CellsPerRowForWidth(CGFloatToInt64(fAreaViewFrame.size.width));
  if (fCellCount <= 0) {
    return;
  }
  ApplyRowsAndColumns(perRow, cell, gap);
  if (fContentSize.height > fAreaViewFrame.size.height) {
    fVertScrollNeeded = true;
    perRow = CellsPerRowForWidth(CGFloatToInt64(fAreaViewFrame.size.width - ScrollbarThickness()));
    ApplyRowsAndColumns(perRow, cell, gap);
  }
}

void ZorvinArea::UpdateFixedLayout() {
  ResetLayout();
  if (fCellSize.width < 1.0 || fCellSize.height < 1.0 || fCellCount <= 0 || fCellsInBand <= 0) {
    return;
  }
  ApplyRowsAndColumns(fCellsInBand, DocSizeToScaled(fCellSize), DocSizeToScaled(fCellSpacing));
  fHorzScrollNeeded = fContentSize.width > fAreaViewFrame.size.width;
  fVertScrollNeeded = fContentSize.height > fAreaViewFrame.size.height;
}

CGRect ZorvinArea::GetCellRect(CellLocation location, bool withSpacing) const {
  const int64_t pitchX = CGFloatToInt64(fCellSize.width) + CGFloatToInt64(fCellSpacing.width);
  const int64_t pitchY = CGFloatToInt64(fCellSize.height) + CGFloatToInt64(fCellSpacing.height);
  CGRect rect;
  rect.origin.x =
      fCellSpacing.width + static_cast<CGFloat>((int64_t{location.fColumn} - 1) * pitchX);
  rect.origin.y = fCellSpacing.height + static_cast<CGFloat>((int64_t{location.fRow} - 1) * pitchY);
  rect.size = fCellSize;
  if (withSpacing) {
    rect.origin.x -= fCellSpacing.width / 2;
    rect.origin.y -= fCellSpacing.height / 2;
    rect.size.width += fCellSpacing.width;
    rect.size.height += fCellSpacing.height;
  }
  return rect;
}

uint32_t ZorvinArea::CellLocationToIndex(CellLocation location) const {
  if (location.fRow == 0 || location.fColumn == 0) {
    return 0;
  }
  return (location.fRow - 1) * static_cast<uint32_t>(fColumnCount) + location.fColumn;
}

CellLocation ZorvinArea::CellIndexToLocation(uint32_t cell) const {
  if (cell == 0 || cell > static_cast<uint32_t>(fCellCount)) {
    return CellLocation();
  }
  if (fColumnCount <= 0) {
    return CellLocation(1, cell);
  }
  const uint32_t columns = static_cast<uint32_t>(fColumnCount);
  return CellLocation((cell - 1) / columns + 1, (cell - 1) % columns + 1);
}

void ZorvinArea::Refresh() {
  UpdateLayout();
  AdjustViews();
  AdjustOrigin();
  AdjustScrollbars();
  LoadVisibleCellData();
  RedrawContentViewImmediately();
}
