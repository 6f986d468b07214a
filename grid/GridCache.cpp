#include "grid/GridCache.h"

#include <assert.h>
#include <stdlib.h>

#include <new>

GridCache::GridCache() {
  Init();
}

GridCache::~GridCache() {
  Cleanup();
}

void GridCache::Init() {
  fCount = 0;
  fByteTotal = 0;
  fHead = 0;
  fTail = 0;
  fLinkedCount = 0;
  fMaxByteSize = kDefaultMaxByteSize;
}

void GridCache::Setup(uint32_t count) {
  // An earlier block would leak, and its bitmaps with it.
  Cleanup();
  fCount = count;
  fSetUp = true;
  fByteTotal = 0;
  fHead = 0;
  fTail = 0;
  fLinkedCount = 0;
}

void GridCache::Cleanup() {
  ++fSlotsGeneration;
  Purge();
  fEntries.clear();
  fSetUp = false;
  fByteTotal = 0;
  fHead = 0;
  fTail = 0;
  fLinkedCount = 0;
}

void GridCache::Purge() {
  while (fTail != 0) {
    PurgeCellData(fTail);
  }
}

GridCache::Slot* GridCache::SlotFor(uint32_t cell) const {
  if (cell == 0 || cell > fCount) {
    return nullptr;
  }
  const auto found = fEntries.find(cell);
  return found == fEntries.end() ? nullptr : const_cast<Slot*>(&found->second);
}

void GridCache::PurgeCellData(uint32_t cell) {
  Slot* slot = SlotFor(cell);
  if (slot == nullptr) {
    return;
  }
  uint32_t size = slot->fData.CalcByteSize();
  // Unlink before clearing: an unloaded slot is never linked, and Remove relies on that.
  if (slot->fData.IsLoaded()) {
    Remove(cell);
    assert(fByteTotal >= size);
    fByteTotal -= size;
  }
  slot->fData.Clear();
  fEntries.erase(cell);
}

void GridCache::TrimToByteSize(uint32_t limit) {
  // Cells of the pass are the most recently used: once the tail is one, all that is left is.
  while (fByteTotal > limit && fTail != 0 && (fPass == 0 || SlotFor(fTail)->fPass != fPass)) {
    PurgeCellData(fTail);
  }
}

void GridCache::BeginPass() {
  if (++fPass == 0) {
    // Slots marked long ago must not pass for the new pass.
    for (uint32_t cell = fHead; cell != 0; cell = SlotFor(cell)->fOlder) {
      SlotFor(cell)->fPass = 0;
    }
    fPass = 1;
  }
}

void GridCache::SetCellData(uint32_t cell, const CellData& data) {
  if (!fSetUp || cell == 0 || cell > fCount || !data.IsLoaded()) {
    return;
  }
  // Storing over a loaded slot would lose its data and link it twice.
  PurgeCellData(cell);
  uint32_t size = data.CalcByteSize();
  if (fMaxByteSize != 0) {
    // Unsigned on purpose: one cell larger than the maximum evicts nothing and is kept anyway.
    TrimToByteSize(fMaxByteSize - size);
  }
  Slot* slot = nullptr;
  try {
    slot = &fEntries[cell];
  } catch (const std::bad_alloc&) {
    return; // not kept: the caller sees the cell unloaded and frees what it evaluated
  }
  slot->fData = data;
  if (++fNextStamp == 0) {
    fNextStamp = 1;
    ++fStampEpoch;
  }
  slot->fData.fStamp = fNextStamp;
  slot->fPass = fPass;
  fByteTotal += size;
  AddToHead(cell);
}

CellData GridCache::GetCellData(uint32_t cell) {
  Slot* slot = SlotFor(cell);
  if (slot == nullptr || !slot->fData.IsLoaded()) {
    return CellData();
  }
  if (fHead != cell) {
    Remove(cell);
    AddToHead(cell);
  }
  slot->fPass = fPass;
  return slot->fData;
}

void GridCache::AddToHead(uint32_t cell) {
  Slot* slot = SlotFor(cell);
  slot->fNewer = 0;
  slot->fOlder = fHead;
  if (fHead != 0) {
    SlotFor(fHead)->fNewer = cell;
  } else {
    fTail = cell;
  }
  fHead = cell;
  ++fLinkedCount;
}

void GridCache::Remove(uint32_t cell) {
  if (fHead == 0) {
    return;
  }
  Slot* slot = SlotFor(cell);
  if (fHead == cell && fTail == cell) {
    fHead = 0;
    fTail = 0;
  } else if (fHead == cell) {
    fHead = slot->fOlder;
    SlotFor(fHead)->fNewer = 0;
  } else if (fTail == cell) {
    fTail = slot->fNewer;
    SlotFor(fTail)->fOlder = 0;
  } else {
    SlotFor(slot->fOlder)->fNewer = slot->fNewer;
    SlotFor(slot->fNewer)->fOlder = slot->fOlder;
  }
  slot->fOlder = 0;
  slot->fNewer = 0;
  --fLinkedCount;
}

int32_t GridCache::SetMaxByteSize(uint32_t bytes) {
  if (bytes < kMinMaxByteSize || bytes > kMaxMaxByteSize) {
    return -50;
  }
  if (bytes == fMaxByteSize) {
    return 0;
  }
  if (bytes < fMaxByteSize) {
    TrimToByteSize(bytes);
  }
  fMaxByteSize = bytes;
  return 0;
}

bool GridCache::CheckConsistency() const {
  uint32_t bytes = 0;
  int32_t linked = 0;
  uint32_t newer = 0;
  for (uint32_t cell = fHead; cell != 0; cell = SlotFor(cell)->fOlder) {
    const Slot* slot = SlotFor(cell);
    if (slot == nullptr || !slot->fData.IsLoaded() || slot->fNewer != newer ||
        linked > fLinkedCount) {
      return false;
    }
    bytes += slot->fData.CalcByteSize();
    ++linked;
    newer = cell;
  }
  return newer == fTail && linked == fLinkedCount && bytes == fByteTotal;
}
