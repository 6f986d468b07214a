#include <sys/mman.h>

#include "util/ZVPageBuffer.h"

void* ZVPageBuffer::Map(size_t size) {
  void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return data != MAP_FAILED ? data : nullptr;
}

void ZVPageBuffer::Unmap(void* data, size_t size) {
  munmap(data, size);
}
