#include "util/ZVPageBuffer.h"

#include <mutex>
#include <utility>

namespace {

// A large mapping let go is kept for the next buffer it fits: a fresh mapping costs the system a
// cleared page for each of its pages, several milliseconds for a photo's bytes, where a kept one
// costs nothing. One only: what is kept is memory the cache could use.
constexpr size_t kMostKept = 1;
constexpr size_t kSmallestKept = size_t{1} << 20;

struct KeptMapping {
  void* fData = nullptr;
  size_t fCapacity = 0;
};

std::mutex gKeptMutex;
KeptMapping gKept[kMostKept]; // guarded by gKeptMutex

} // namespace

ZVPageBuffer::ZVPageBuffer(ZVPageBuffer&& other) noexcept
    : fData(std::exchange(other.fData, nullptr)), fSize(std::exchange(other.fSize, 0)),
      fCapacity(std::exchange(other.fCapacity, 0)) {}

ZVPageBuffer& ZVPageBuffer::operator=(ZVPageBuffer&& other) noexcept {
  if (this != &other) {
    Reset();
    fData = std::exchange(other.fData, nullptr);
    fSize = std::exchange(other.fSize, 0);
    fCapacity = std::exchange(other.fCapacity, 0);
  }
  return *this;
}

bool ZVPageBuffer::Allocate(size_t size) {
  Reset();
  if (size == 0) {
    return false;
  }
  if (size >= kSmallestKept) {
    // The smallest kept mapping that holds it, unless it would waste more than half.
    const std::lock_guard<std::mutex> lock(gKeptMutex);
    KeptMapping* best = nullptr;
    for (KeptMapping& kept : gKept) {
      if (kept.fData != nullptr && kept.fCapacity >= size && kept.fCapacity / 2 <= size &&
          (best == nullptr || kept.fCapacity < best->fCapacity)) {
        best = &kept;
      }
    }
    if (best != nullptr) {
      fData = std::exchange(best->fData, nullptr);
      fCapacity = std::exchange(best->fCapacity, 0);
    } else {
      // One that does not fit makes way for the new one, so that no more is mapped than was at
      // once in use.
      for (KeptMapping& kept : gKept) {
        if (kept.fData != nullptr) {
          Unmap(std::exchange(kept.fData, nullptr), kept.fCapacity);
          break;
        }
      }
    }
  }
  if (fData == nullptr) {
    fData = Map(size);
    fCapacity = fData != nullptr ? size : 0;
  }
  fSize = fData != nullptr ? size : 0;
  return fData != nullptr;
}

void ZVPageBuffer::Reset() {
  if (fData != nullptr && fCapacity >= kSmallestKept) {
    const std::lock_guard<std::mutex> lock(gKeptMutex);
    for (KeptMapping& kept : gKept) {
      if (kept.fData == nullptr) {
        kept = KeptMapping{std::exchange(fData, nullptr), fCapacity};
        break;
      }
    }
  }
  if (fData != nullptr) {
    Unmap(fData, fCapacity);
  }
  fData = nullptr;
  fSize = 0;
  fCapacity = 0;
}

void ZVPageBuffer::ReleaseKept() {
  const std::lock_guard<std::mutex> lock(gKeptMutex);
  for (KeptMapping& kept : gKept) {
    if (kept.fData != nullptr) {
      Unmap(std::exchange(kept.fData, nullptr), kept.fCapacity);
    }
  }
}
