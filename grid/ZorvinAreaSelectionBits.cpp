#include "grid/ZorvinArea.h"
#include "util/ZVBits.h"

bool ZorvinArea::IsCellSelected(uint32_t cell) const {
  if (fSelectionBits == nullptr || cell < 1 || cell > static_cast<uint32_t>(fCellCount)) {
    return false;
  }
  const uint32_t bit = cell - 1;
  // The bits may have been sized for an older, smaller count.
  if (bit / 32 >= static_cast<uint32_t>(fSelectionBitsSize) / sizeof(uint32_t)) {
    return false;
  }
  return LongBitTst(fSelectionBits, static_cast<int32_t>(bit));
}
