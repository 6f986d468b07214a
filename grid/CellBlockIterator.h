// Walks a rectangular block of cell locations row by row, left to right. The block may hold
// locations past the last cell; callers skip the cell numbers they have no use for.
#pragma once

#include "grid/CellLocation.h"

class CellBlockIterator {
public:
  CellBlockIterator(CellLocation first, CellLocation last) : fFirst(first), fLast(last) {}

  bool HasMoreCells() const;
  // The next location; (0, 0) once the block is done.
  CellLocation NextCell();

  CellLocation GetFirst() const { return fFirst; }
  CellLocation GetLast() const { return fLast; }
  CellLocation GetCurrent() const { return fCurrent; }

private:
  CellLocation fFirst;
  CellLocation fLast;
  CellLocation fCurrent; // (0, 0) before the first step
};
