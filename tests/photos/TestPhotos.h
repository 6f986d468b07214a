// Photo-like JPEG files for tests and benchmarks: smooth light and colour, shapes with hard edges
// and fine grain, so that they compress and decode as camera photos do, not as flat gradients.
#pragma once

#include <stdint.h>

#include <string>

namespace testphotos {

// The preview a camera embeds in its EXIF block (a JPEG in the block's second directory).
struct Thumbnail {
  int32_t fWidth = 0; // 0: none
  int32_t fHeight = 0;
  // Not 0: the preview is this one colour (0xRRGGBB) instead of the photo, so that a test can
  // tell which of the two was drawn.
  uint32_t fMarkColor = 0;
};

// Writes a width x height JPEG (quality 90) that `seed` varies; false when it cannot be written.
bool WritePhoto(const std::string& path, int32_t width, int32_t height, uint32_t seed,
                const Thumbnail& thumbnail = {});
// Copies the photo that WritePhoto(from, width, height, seed) wrote to `to`, with the preview
// added: far quicker than writing the photo again.
bool CopyWithThumbnail(const std::string& from, const std::string& to, int32_t width,
                       int32_t height, uint32_t seed, const Thumbnail& thumbnail);

} // namespace testphotos
