// Leak checking at exit for the drawing layer's native objects.
#include <stdlib.h>

// The font look-up library keeps process-wide caches until the process ends, held where leak
// checking cannot see them. Anything else that leaks is still reported.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace {

// Text objects come from a slab allocator that would hide them from leak checking; plain
// allocations let a forgotten layout or font show up. Set before the first allocation.
const bool sPlainAllocations = setenv("G_SLICE", "always-malloc", 0) == 0;

} // namespace
