// Where a cell sits in the grid: row and column, both 1-based; (0, 0) is no cell.
#pragma once

#include <stdint.h>

struct CellLocation {
  uint32_t fRow = 0;
  uint32_t fColumn = 0;

  CellLocation() = default;
  CellLocation(uint32_t row, uint32_t column) : fRow(row), fColumn(column) {}

  bool IsNone() const { return fRow == 0 && fColumn == 0; }
  bool operator==(const CellLocation&) const = default;
};
