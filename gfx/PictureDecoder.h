// Encoded pictures decoded to pixels no larger than they are drawn. It reads only the bytes it is
// given and keeps no state, so any thread may call it: the grid's decoding workers do.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "util/ZVPageBuffer.h"

namespace gfx {

struct DecodedPicture {
  int32_t fWidth = 0;
  int32_t fHeight = 0;
  // Premultiplied native-endian 0xAARRGGBB, rows top down, fWidth pixels a row. Mapped apart
  // from the heap, as this may be a worker thread: a bitmap kept long is copied out of it.
  ZVPageBuffer fPixels;
  bool fFromThumbnail = false; // the picture's embedded preview served

  const uint32_t* GetPixels() const { return reinterpret_cast<const uint32_t*>(fPixels.GetData()); }
};

enum class DecodeResult {
  Ok,
  NotSupported, // a format this decoder leaves to the host
  Failed,       // damaged or too large
};

// The picture reduced on each axis to at most maxWidth x maxHeight, never enlarged, with the same
// filtering whichever way it is read. A JPEG's embedded preview serves when it covers that size
// and has the photo's proportions; else the photo is decoded at the cheapest scale that covers it.
// Orientation tags are not applied, to the photo or to its preview.
DecodeResult DecodePictureForSize(const uint8_t* bytes, size_t size, int32_t maxWidth,
                                  int32_t maxHeight, DecodedPicture* out);

// Whether DecodePictureForSize reads this format (else the host's own decoding serves).
bool CanDecodePicture(const uint8_t* bytes, size_t size);

// The size of a JPEG's embedded preview; false when it has none that can be used.
bool FindEmbeddedThumbnail(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height);

} // namespace gfx
