#include "grid/CellBlockIterator.h"

bool CellBlockIterator::HasMoreCells() const {
  if (fFirst.fRow == 0 || fFirst.fColumn == 0 || fLast.fRow == 0 || fLast.fColumn == 0) {
    return false;
  }
  // An inverted block would otherwise wrap into billions of locations.
  if (fLast.fRow < fFirst.fRow || fLast.fColumn < fFirst.fColumn) {
    return false;
  }
  if (fCurrent.IsNone()) {
    return true;
  }
  const uint64_t width = uint64_t{fLast.fColumn} - fFirst.fColumn + 1;
  const uint64_t height = uint64_t{fLast.fRow} - fFirst.fRow + 1;
  const uint64_t visited = width * (uint64_t{fCurrent.fRow} - fFirst.fRow) +
                           (uint64_t{fCurrent.fColumn} - fFirst.fColumn) + 1;
  return visited < width * height;
}

CellLocation CellBlockIterator::NextCell() {
  if (fCurrent.IsNone()) {
    fCurrent = fFirst;
  } else if (!HasMoreCells()) {
    fCurrent = CellLocation();
  } else if (fCurrent.fColumn == fLast.fColumn) {
    fCurrent = CellLocation(fCurrent.fRow + 1, fFirst.fColumn);
  } else {
    ++fCurrent.fColumn;
  }
  return fCurrent;
}
