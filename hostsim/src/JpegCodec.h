// JPEG decoding for the host's pictures.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

namespace zvhost {

bool IsJpeg(const uint8_t* bytes, size_t size);
// The size only when `pixels` is null; opaque ARGB pixels, rows top down, otherwise.
bool ReadJpeg(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height,
              std::vector<uint32_t>* pixels);

} // namespace zvhost
