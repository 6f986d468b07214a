// The host array block, as plug-ins see it: kind byte, filler, count (signed 32 at 2), data
// handle (at 6), current element (signed 16 after the handle). The data handle holds count + 1
// elements; element 0 always exists. Plug-ins resize arrays themselves through the memory and
// text operations, so every read here checks the block against its handle.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

namespace zvhost {

int32_t ElementSize(uint8_t kind); // 0 for a kind that is not an array
bool IsArrayKind(uint8_t kind);

class ArrayView {
public:
  explicit ArrayView(unsigned char* block) : fBlock(block) {}

  uint8_t Kind() const { return fBlock[kFDArrayKindOffset]; }
  int32_t Count() const;
  FDHandle Handle() const;
  int16_t Current() const;
  void SetCurrent(int16_t index);
  // The kind of the nested arrays of an array of arrays (from element 0); 0 when unknown.
  uint8_t NestedKind() const;

  // Element i, or null when i is outside 0..count or the handle does not hold it.
  unsigned char* Element(int32_t i) const;
  // Count that the data handle really holds (never more than Count()); -1 when it is not a
  // host handle.
  int32_t UsableCount() const;

  // A fresh array of `count` cleared elements; nested kind and count for an array of arrays.
  // The block must not own anything.
  int Create(uint8_t kind, int32_t count, uint8_t nestedKind = 0, int32_t nestedCount = 0);
  // Releases elements count+1.. when shrinking, clears new ones when growing.
  int Resize(int32_t count);
  // Releases every element and the handle; the block becomes an undefined value (kind 5).
  void Release();
  // Makes this empty block a deep copy of `source`.
  int CopyFrom(const ArrayView& source);

  unsigned char* Block() const { return fBlock; }

private:
  int CreateRaw(uint8_t kind, int32_t count); // zeroed elements
  void SetCount(int32_t count);
  void SetHandle(FDHandle handle);
  void ReleaseElements(int32_t first, int32_t last);
  int ClearElements(int32_t first, int32_t last);

  unsigned char* fBlock;
};

} // namespace zvhost
