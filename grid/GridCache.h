// The cells' evaluated data: a slot per loaded cell, a least-recently-used order over them and a
// bound on the bytes they hold. Look-up and promotion are constant time: slots are hashed by cell
// number and the recency list is threaded through them by cell number. Slots exist only for
// loaded cells, so a count of billions costs nothing until cells are shown.
#pragma once

#include <stdint.h>

#include <unordered_map>

#include "grid/CellData.h"

class GridCache {
public:
  static constexpr uint32_t kDefaultMaxByteSize = 134217728; // 128 MiB
  static constexpr uint32_t kMinMaxByteSize = 67108864;      // 64 MiB
  static constexpr uint32_t kMaxMaxByteSize = 536870912;     // 512 MiB

  GridCache();
  ~GridCache();
  GridCache(const GridCache&) = delete;
  GridCache& operator=(const GridCache&) = delete;

  void Init();
  // Room for cells 1 to `count`, all unloaded.
  void Setup(uint32_t count);
  // Releases every cell's data and the slots; the count and the maximum stay.
  void Cleanup();
  void Purge();
  void PurgeCellData(uint32_t cell);
  void TrimToByteSize(uint32_t limit);

  // Stores a loaded cell as the most recently used, evicting the least recently used first.
  void SetCellData(uint32_t cell, const CellData& data);
  // A loaded cell becomes the most recently used; the cache keeps ownership of what it returns.
  CellData GetCellData(uint32_t cell);
  // Cells stored or used from here on are kept by the trimming until the next pass begins: a
  // block in view stays loaded while it is in view, past the maximum if it must be.
  void BeginPass();

  [[nodiscard]] int32_t SetMaxByteSize(uint32_t bytes);
  uint32_t GetMaxByteSize() const { return fMaxByteSize; }

  uint32_t GetCount() const { return fCount; }
  // Changes whenever the slots are released or made anew: a load begun before may not store
  // into a slot of this generation.
  uint32_t GetSlotsGeneration() const { return fSlotsGeneration; }
  // Changes when stamps start over, so that a stamp seen before names the same loading.
  uint32_t GetStampEpoch() const { return fStampEpoch; }
  uint32_t GetByteTotal() const { return fByteTotal; }
  int32_t GetLinkedCount() const { return fLinkedCount; }
  uint32_t GetHead() const { return fHead; }
  uint32_t GetTail() const { return fTail; }
  // Walks the recency list; for tests and debug checks.
  bool CheckConsistency() const;

private:
  struct Slot {
    CellData fData;
    uint32_t fOlder = 0; // towards the tail; 0 ends
    uint32_t fNewer = 0; // towards the head; 0 ends
    uint32_t fPass = 0;  // the pass that last stored or used it
  };

  Slot* SlotFor(uint32_t cell) const;
  void AddToHead(uint32_t cell);
  void Remove(uint32_t cell);

  std::unordered_map<uint32_t, Slot> fEntries; // loaded cells only
  bool fSetUp = false;                         // from Setup to Cleanup: cells may be stored
  uint32_t fCount;
  uint32_t fByteTotal;
  uint32_t fHead;
  uint32_t fTail;
  int32_t fLinkedCount;
  uint32_t fMaxByteSize;
  // Never reset, not even by Init: a stamp must not come back while renderings of it may exist.
  uint32_t fNextStamp = 0;
  uint32_t fStampEpoch = 0;
  uint32_t fSlotsGeneration = 0;
  uint32_t fPass = 0; // 0: no pass, nothing kept
};
