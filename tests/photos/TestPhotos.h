// Photo-like JPEG files for tests and benchmarks: smooth light and colour, shapes with hard edges
// and fine grain, so that they compress and decode as camera photos do, not as flat gradients.
#pragma once

#include <stdint.h>

#include <string>

namespace testphotos {

// Writes a width x height JPEG (quality 90) that `seed` varies; false when it cannot be written.
bool WritePhoto(const std::string& path, int32_t width, int32_t height, uint32_t seed);

} // namespace testphotos
