// The selection's storage: one bit per cell and the count of set bits, kept together.
#include <assert.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "grid/ZorvinArea.h"
#include "util/ZVBits.h"

namespace {

int32_t CountSetBits(const uint32_t* words, int32_t bytes) {
  int32_t count = 0;
  for (int32_t i = 0; i < bytes / 4; ++i)
    count += __builtin_popcount(words[i]);
  return count;
}

} // namespace

bool ZorvinArea::HasSelectionBitFor(uint32_t cell) const {
  if (fSelectionBits == nullptr || cell < 1 || cell > static_cast<uint32_t>(fCellCount))
    return false;
  // The bits may have been sized for an older, smaller count.
  return (cell - 1) / 32 < static_cast<uint32_t>(fSelectionBitsSize) / sizeof(uint32_t);
}

bool ZorvinArea::IsCellSelected(uint32_t cell) const {
  if (!HasSelectionBitFor(cell))
    return false;
  return LongBitTst(fSelectionBits, static_cast<int32_t>(cell - 1));
}

void ZorvinArea::AdjustSelectionArraySize() {
  free(fSelectionBits);
  fSelectionBits = nullptr;
  fSelectionBitsSize = 0;
  if (fCellCount > 0) {
    const size_t words = static_cast<size_t>(fCellCount) / 32 + 1;
    // Without memory the area has no selection bits: nothing can be selected, nothing breaks.
    fSelectionBits = static_cast<uint32_t*>(calloc(words, sizeof(uint32_t)));
    if (fSelectionBits != nullptr)
      fSelectionBitsSize = static_cast<int32_t>(words * sizeof(uint32_t));
  }
  fSelectedCount = 0;
  fAnchorCell = 0;
  fClickedCell = 0;
  fLastSelectedCell = 0;
}

void ZorvinArea::ZeroSelection() {
  if (fSelectionBits != nullptr)
    memset(fSelectionBits, 0, static_cast<size_t>(fSelectionBitsSize));
  fSelectedCount = 0;
  fLastSelectedCell = 0;
}

void ZorvinArea::SelectCell(uint32_t cell) {
  if (!HasSelectionBitFor(cell) || IsCellSelected(cell))
    return;
  LongBitSet(fSelectionBits, static_cast<int32_t>(cell - 1));
  ++fSelectedCount;
}

void ZorvinArea::DeselectCell(uint32_t cell) {
  if (!IsCellSelected(cell))
    return;
  assert(fSelectedCount > 0);
  LongBitClear(fSelectionBits, static_cast<int32_t>(cell - 1));
  --fSelectedCount;
}

void ZorvinArea::ToggleCellSelection(uint32_t cell) {
  if (IsCellSelected(cell))
    DeselectCell(cell);
  else
    SelectCell(cell);
}

uint32_t ZorvinArea::FindLastSelectedCell(uint32_t cell) const {
  if (fSelectionBits == nullptr || fSelectedCount == 0)
    return 0;
  uint32_t n = std::min(cell, static_cast<uint32_t>(fCellCount));
  for (; n >= 1; --n) {
    if (IsCellSelected(n))
      return n;
  }
  return 0;
}

uint32_t ZorvinArea::GetLastSelectedCell() const {
  return fSelectionBits != nullptr && fSelectedCount > 0 ? fLastSelectedCell : 0;
}

bool ZorvinArea::CheckSelectionCount() const {
  return fSelectionBits == nullptr
             ? fSelectedCount == 0
             : CountSetBits(fSelectionBits, fSelectionBitsSize) == fSelectedCount;
}
