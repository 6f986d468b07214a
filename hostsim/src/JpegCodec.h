// JPEG decoding for the host's pictures.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

namespace zvhost {

bool IsJpeg(const uint8_t* bytes, size_t size);
// The size only when `pixels` is null; opaque ARGB pixels, rows top down, otherwise. A
// `denominator` of 2, 4 or 8 decodes at that fraction of the size (rounded up), which costs far
// less than decoding every pixel; the size answered is then the reduced one.
bool ReadJpeg(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height,
              std::vector<uint32_t>* pixels, int denominator = 1);

} // namespace zvhost
