#include "grid/ZorvinArea.h"
#include "platform/win/ZorvinAreaControlsWin.h"

#include <cmath>

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
