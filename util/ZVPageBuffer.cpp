#include "util/ZVPageBuffer.h"

#include <utility>

ZVPageBuffer::ZVPageBuffer(ZVPageBuffer&& other) noexcept
    : fData(std::exchange(other.fData, nullptr)), fSize(std::exchange(other.fSize, 0)) {}

ZVPageBuffer& ZVPageBuffer::operator=(ZVPageBuffer&& other) noexcept {
  if (this != &other) {
    Reset();
    fData = std::exchange(other.fData, nullptr);
    fSize = std::exchange(other.fSize, 0);
  }
  return *this;
}

bool ZVPageBuffer::Allocate(size_t size) {
  Reset();
  if (size == 0) {
    return false;
  }
  fData = Map(size);
  fSize = fData != nullptr ? size : 0;
  return fData != nullptr;
}

void ZVPageBuffer::Reset() {
  if (fData != nullptr) {
    Unmap(fData, fSize);
  }
  fData = nullptr;
  fSize = 0;
}
