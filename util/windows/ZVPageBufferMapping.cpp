#include <windows.h>

#include "util/ZVPageBuffer.h"

void* ZVPageBuffer::Map(size_t size) {
  return VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

void ZVPageBuffer::Unmap(void* data, size_t) {
  VirtualFree(data, 0, MEM_RELEASE);
}
