// The JPEG side of picture decoding: the photo at one of the cheap scales the codec offers, and
// the preview a camera embeds in the photo's EXIF block. The decoding itself is each platform's
// (gfx/cairo over libjpeg, gfx/gdiplus over GDI+'s codec); finding the preview is shared.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "util/ZVPageBuffer.h"

namespace gfx {

// Pictures larger than this are refused rather than decoded, as the host refuses them.
constexpr uint64_t kMaxJpegPixels = uint64_t{1} << 26;

struct JpegPixels {
  int32_t fWidth = 0;
  int32_t fHeight = 0;
  ZVPageBuffer fPixels; // opaque 0xFFRRGGBB words, rows top down

  uint32_t* GetPixels() const { return reinterpret_cast<uint32_t*>(fPixels.GetData()); }
};

bool IsJpegData(const uint8_t* bytes, size_t size);
// The stored size, read from the header alone.
bool ReadJpegSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height);
// Decoded at 1 / `denominator` (1, 2, 4 or 8) of the stored size, rounded up.
bool DecodeJpeg(const uint8_t* bytes, size_t size, int denominator, JpegPixels* out);
// The embedded preview's bytes inside `bytes` (an EXIF APP1 block's JPEG thumbnail), or false.
bool FindExifThumbnail(const uint8_t* bytes, size_t size, const uint8_t** thumbnail,
                       size_t* thumbnailSize);

} // namespace gfx
