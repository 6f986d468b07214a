// The selection: its storage, and what commands, clicks and Select All do with it.
#include "grid/ZorvinArea.h"

#include <assert.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "host/CArray.h"
#include "util/ZVBits.h"

// The selection's storage: one bit per cell and the count of set bits, kept together.
namespace {

int32_t CountSetBits(const uint32_t* words, int32_t bytes) {
  int32_t count = 0;
  for (int32_t i = 0; i < bytes / 4; ++i) {
    count += __builtin_popcount(words[i]);
  }
  return count;
}

// The cells that have a bit: the count, unless the bits were sized for an older, smaller one.
uint32_t CellsWithBits(const uint32_t* words, int32_t bytes, int32_t count) {
  if (words == nullptr || bytes <= 0 || count <= 0) {
    return 0;
  }
  const uint64_t bits = static_cast<uint64_t>(bytes / 4) * 32;
  return static_cast<uint32_t>(std::min<uint64_t>(bits, static_cast<uint64_t>(count)));
}

// The bits of word `word` that stand for cells up to `cells`.
uint32_t WordMaskUpTo(uint32_t word, uint32_t cells) {
  const uint64_t first = uint64_t{word} * 32;
  if (cells >= first + 32) {
    return 0xFFFFFFFFu;
  }
  if (cells <= first) {
    return 0;
  }
  return ~(0xFFFFFFFFu >> (cells - first));
}

// The cell of bit `bit` (from the high bit) of word `word`.
uint32_t CellOfBit(uint32_t word, int bit) {
  return word * 32 + static_cast<uint32_t>(bit) + 1;
}

} // namespace

bool ZorvinArea::HasSelectionBitFor(uint32_t cell) const {
  if (fSelectionBits == nullptr || cell < 1 || cell > static_cast<uint32_t>(fCellCount)) {
    return false;
  }
  // The bits may have been sized for an older, smaller count.
  return (cell - 1) / 32 < static_cast<uint32_t>(fSelectionBitsSize) / sizeof(uint32_t);
}

bool ZorvinArea::IsCellSelected(uint32_t cell) const {
  if (!HasSelectionBitFor(cell)) {
    return false;
  }
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
    if (fSelectionBits != nullptr) {
      fSelectionBitsSize = static_cast<int32_t>(words * sizeof(uint32_t));
    }
  }
  fSelectedCount = 0;
  fAnchorCell = 0;
  fClickedCell = 0;
  fLastSelectedCell = 0;
}

void ZorvinArea::ZeroSelection() {
  // With nothing selected every bit is clear already: a huge count's bits, never written, are
  // not even touched.
  if (fSelectionBits != nullptr && fSelectedCount != 0) {
    memset(fSelectionBits, 0, static_cast<size_t>(fSelectionBitsSize));
  }
  fSelectedCount = 0;
  fLastSelectedCell = 0;
}

void ZorvinArea::SelectCell(uint32_t cell) {
  if (!HasSelectionBitFor(cell) || IsCellSelected(cell)) {
    return;
  }
  LongBitSet(fSelectionBits, static_cast<int32_t>(cell - 1));
  ++fSelectedCount;
}

void ZorvinArea::DeselectCell(uint32_t cell) {
  if (!IsCellSelected(cell)) {
    return;
  }
  assert(fSelectedCount > 0);
  LongBitClear(fSelectionBits, static_cast<int32_t>(cell - 1));
  --fSelectedCount;
}

void ZorvinArea::ToggleCellSelection(uint32_t cell) {
  if (IsCellSelected(cell)) {
    DeselectCell(cell);
  } else {
    SelectCell(cell);
  }
}

uint32_t ZorvinArea::FindLastSelectedCell(uint32_t cell) const {
  if (fSelectionBits == nullptr || fSelectedCount == 0) {
    return 0;
  }
  const uint32_t last =
      std::min(cell, CellsWithBits(fSelectionBits, fSelectionBitsSize, fCellCount));
  // Back a word at a time, past the empty ones.
  for (uint32_t word = (last + 31) / 32; word-- > 0;) {
    ++fSelectionWordVisits;
    const uint32_t bits = fSelectionBits[word] & WordMaskUpTo(word, last);
    if (bits != 0) {
      return CellOfBit(word, 31 - __builtin_ctz(bits));
    }
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

// The selection as commands, clicks and Select All change and read it.

namespace {

constexpr int32_t kErrBadParameter = -50;
constexpr int32_t kErrCellOutOfRange = -29105;

enum SelectionModifierOp : int32_t {
  kSelectReplaceOld = 0,
  kSelectReplace = 1,
  kSelectAdd = 2,
  kSelectRemove = 4,
};

bool IsSelectionKind(int32_t kind) {
  return kind == kSelectionNone || kind == kSelectionSingle || kind == kSelectionMultiple;
}

} // namespace

void ZorvinArea::SetSelectionToCell(uint32_t cell) {
  if (fSelectionBits != nullptr) {
    ZeroSelection();
  } else {
    AdjustSelectionArraySize();
  }
  if (cell < 1 || cell > static_cast<uint32_t>(fCellCount)) {
    return;
  }
  SelectCell(cell);
  fAnchorCell = 0;
  fClickedCell = cell;
  fLastSelectedCell = cell;
}

void ZorvinArea::SelectAllCells() {
  const uint32_t cells = CellsWithBits(fSelectionBits, fSelectionBitsSize, fCellCount);
  // Whole words at a time, each written once: a call per cell takes seconds over two billion.
  if (fSelectionBits != nullptr) {
    const size_t whole = cells / 32;
    const size_t words = static_cast<size_t>(fSelectionBitsSize) / sizeof(uint32_t);
    memset(fSelectionBits, 0xFF, whole * sizeof(uint32_t));
    if (whole < words) {
      fSelectionBits[whole] = WordMaskUpTo(static_cast<uint32_t>(whole), cells);
      memset(fSelectionBits + whole + 1, 0, (words - whole - 1) * sizeof(uint32_t));
    }
    fSelectionWordVisits += words;
  }
  fSelectedCount = static_cast<int32_t>(cells);
  fLastSelectedCell = static_cast<uint32_t>(fCellCount);
}

void ZorvinArea::RangeSelect(bool select) {
  if (fSelectionBits == nullptr) {
    return;
  }
  const uint32_t lo = std::min(fAnchorCell, fClickedCell);
  const uint32_t hi =
      std::min(std::max(fAnchorCell, fClickedCell), static_cast<uint32_t>(fCellCount));
  for (uint32_t cell = std::max(lo, 1u); cell <= hi; ++cell) {
    if (select) {
      SelectCell(cell);
    } else {
      DeselectCell(cell);
    }
  }
  RedrawContentViewImmediately();
}

int32_t ZorvinArea::ModifySelection(int32_t mode, CArray* cells) {
  const int32_t n = cells != nullptr ? cells->GetArraySize() : 0;
  if (n <= 0) {
    return kErrBadParameter;
  }
  const bool replace = mode == kSelectReplaceOld || mode == kSelectReplace;
  if (!replace && mode != kSelectAdd && mode != kSelectRemove) {
    return kErrBadParameter;
  }
  if (replace && fSelectionBits != nullptr) {
    ZeroSelection();
  } else if (fSelectionBits == nullptr) {
    AdjustSelectionArraySize();
  }
  int32_t error = 0;
  int32_t value = 0;
  for (int32_t i = 1; i <= n; ++i) {
    cells->At(i, value);
    if (value < 1 || value > fCellCount) {
      error = kErrCellOutOfRange;
      continue;
    }
    if (mode == kSelectRemove) {
      DeselectCell(static_cast<uint32_t>(value));
    } else {
      SelectCell(static_cast<uint32_t>(value));
    }
  }
  assert(CheckSelectionCount());
  if (replace) {
    fLastSelectedCell = error != 0 ? 0 : static_cast<uint32_t>(value);
  } else if (error == 0) {
    fLastSelectedCell = FindLastSelectedCell(static_cast<uint32_t>(fCellCount));
  }
  return error;
}

int32_t ZorvinArea::SetSelection(int32_t mode, CArray* cells, int32_t cell) {
  if (fSelectionKind == kSelectionMultiple && cells != nullptr && !cells->IsUndefined()) {
    const int32_t result = ModifySelection(mode, cells);
    fNeedsRedraw = true;
    return result;
  }
  if (fSelectionKind == kSelectionMultiple || fSelectionKind == kSelectionSingle) {
    SetSelectionToCell(static_cast<uint32_t>(cell));
    fNeedsRedraw = true;
    return 0;
  }
  return kErrBadParameter;
}

int32_t ZorvinArea::GetSelection(CArray* cells) const {
  if (fSelectionKind == kSelectionSingle) {
    return 0;
  }
  if (fSelectionKind != kSelectionMultiple) {
    return kErrBadParameter;
  }
  if (cells == nullptr || !cells->IsArrayLongint()) {
    return 0;
  }
  if (const int32_t error = cells->SetArraySize(0)) {
    return error;
  }
  if (fSelectionBits == nullptr || fSelectedCount <= 0) {
    return 0;
  }
  if (const int32_t error = cells->SetArraySize(fSelectedCount)) {
    return error;
  }
  const uint32_t last = CellsWithBits(fSelectionBits, fSelectionBitsSize, fCellCount);
  int32_t index = 0;
  // A word at a time, past the empty ones.
  for (uint32_t word = 0; word < (last + 31) / 32 && index < fSelectedCount; ++word) {
    ++fSelectionWordVisits;
    uint32_t bits = fSelectionBits[word] & WordMaskUpTo(word, last);
    while (bits != 0 && index < fSelectedCount) {
      const int bit = __builtin_clz(bits);
      cells->AtPut(++index, static_cast<int32_t>(CellOfBit(word, bit)));
      bits &= ~(0x80000000u >> bit);
    }
  }
  return 0;
}

int32_t ZorvinArea::GetSelectedCell(int32_t* cell) const {
  *cell = 0;
  if (fSelectionKind == kSelectionSingle) {
    *cell = static_cast<int32_t>(GetLastSelectedCell());
  } else if (fSelectionKind != kSelectionMultiple) {
    return kErrBadParameter;
  }
  return 0;
}

int32_t ZorvinArea::SetSelectionOptions(int32_t kind, int32_t frameColor, int32_t frameWidth) {
  // The width is kept in 16 bits: a wider one would come back negative.
  if (frameWidth <= 0 || frameWidth > INT16_MAX || !IsSelectionKind(kind)) {
    return kErrBadParameter;
  }
  if (kind != fSelectionKind) {
    fSelectionKind = static_cast<ZorvinSelectionStyle>(kind);
    ZeroSelection();
    fNeedsRedraw = true;
  }
  if (frameColor != fSelectionFrameColor) {
    CleanupNativeSelectionColor();
    fSelectionFrameColor = frameColor;
    SetupNativeSelectionColor();
    fNeedsRedraw = true;
  }
  if (frameWidth != fSelectionFrameWidth) {
    fSelectionFrameWidth = static_cast<int16_t>(frameWidth);
    SetupNativeCellPaths();
    fNeedsRedraw = true;
  }
  return 0;
}
