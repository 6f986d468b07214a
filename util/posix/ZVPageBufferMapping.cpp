#include <sys/mman.h>

#include "util/ZVPageBuffer.h"

// Whoever takes a buffer writes it whole at once: its pages are made in this one call rather than
// at one fault each.
void* ZVPageBuffer::Map(size_t size) {
  void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  return data != MAP_FAILED ? data : nullptr;
}

void ZVPageBuffer::Unmap(void* data, size_t size) {
  munmap(data, size);
}
