// A large, short-lived buffer mapped straight from the system and handed back whole when freed.
// Photo-sized buffers taken from the heap, on worker threads and freed on another, leave it
// fragmented and the process's peak memory grows with every batch; a mapping of its own leaves
// nothing behind. Its bytes are not cleared: whoever fills it writes every byte it reads.
#pragma once

#include <stddef.h>
#include <stdint.h>

class ZVPageBuffer {
public:
  ZVPageBuffer() = default;
  ~ZVPageBuffer() { Reset(); }
  ZVPageBuffer(ZVPageBuffer&& other) noexcept;
  ZVPageBuffer& operator=(ZVPageBuffer&& other) noexcept;
  ZVPageBuffer(const ZVPageBuffer&) = delete;
  ZVPageBuffer& operator=(const ZVPageBuffer&) = delete;

  // Replaces what it held with `size` bytes; false (and empty) when memory is short or size is 0.
  bool Allocate(size_t size);
  void Reset();
  // Unmaps the mappings kept for reuse (when the plug-in is unloaded).
  static void ReleaseKept();

  uint8_t* GetData() const { return static_cast<uint8_t*>(fData); }
  size_t GetSize() const { return fSize; }
  bool IsEmpty() const { return fData == nullptr; }

private:
  // Each platform's (util/posix, util/windows).
  static void* Map(size_t size);
  static void Unmap(void* data, size_t size);

  void* fData = nullptr;
  size_t fSize = 0;
  size_t fCapacity = 0; // of the mapping, which a kept one may make larger than fSize
};
