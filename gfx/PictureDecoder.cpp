#include "gfx/PictureDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "gfx/JpegDecoding.h"

namespace gfx {

namespace {

// The largest of the library's cheap fractions whose result still covers the size on both axes.
int JpegDenominator(int32_t storedWidth, int32_t storedHeight, int32_t width, int32_t height) {
  for (int denominator : {8, 4, 2}) {
    if ((storedWidth + denominator - 1) / denominator >= width &&
        (storedHeight + denominator - 1) / denominator >= height) {
      return denominator;
    }
  }
  return 1;
}

// Each target pixel is the average of the source pixels under it (premultiplied, so colours
// and coverage average alike).
bool Reduce(const uint32_t* source, int32_t sourceWidth, int32_t sourceHeight, int32_t width,
            int32_t height, ZVPageBuffer* out) {
  if (!out->Allocate(size_t(width) * size_t(height) * 4)) {
    return false;
  }
  auto* result = reinterpret_cast<uint32_t*>(out->GetData());
  auto columns = std::make_unique_for_overwrite<int32_t[]>(size_t(width) + 1);
  for (int32_t x = 0; x <= width; ++x) {
    columns[size_t(x)] = int32_t(int64_t{x} * sourceWidth / width);
  }
  for (int32_t y = 0; y < height; ++y) {
    const int32_t top = int32_t(int64_t{y} * sourceHeight / height);
    const int32_t bottom = std::max(top + 1, int32_t(int64_t{y + 1} * sourceHeight / height));
    for (int32_t x = 0; x < width; ++x) {
      const int32_t left = columns[size_t(x)];
      const int32_t right = std::max(left + 1, columns[size_t(x) + 1]);
      uint64_t sum[4] = {};
      for (int32_t sy = top; sy < bottom; ++sy) {
        const uint32_t* row = source + size_t(sy) * size_t(sourceWidth);
        for (int32_t sx = left; sx < right; ++sx) {
          const uint32_t p = row[sx];
          sum[0] += p >> 24;
          sum[1] += (p >> 16) & 0xFF;
          sum[2] += (p >> 8) & 0xFF;
          sum[3] += p & 0xFF;
        }
      }
      const uint64_t n = uint64_t(bottom - top) * uint64_t(right - left);
      auto average = [n](uint64_t total) { return uint32_t((total + n / 2) / n); };
      result[size_t(y) * size_t(width) + size_t(x)] = (average(sum[0]) << 24) |
                                                      (average(sum[1]) << 16) |
                                                      (average(sum[2]) << 8) | average(sum[3]);
    }
  }
  return true;
}

// A preview with other proportions than the photo's carries bars or a crop; within one of its
// pixels it is the same picture.
bool SameProportions(int32_t width, int32_t height, int32_t photoWidth, int32_t photoHeight) {
  const int64_t skew = std::llabs(int64_t{width} * photoHeight - int64_t{height} * photoWidth);
  return skew <= std::max<int64_t>(photoWidth, photoHeight);
}

bool UsableThumbnail(const uint8_t* bytes, size_t size, int32_t photoWidth, int32_t photoHeight,
                     const uint8_t** thumbnail, size_t* thumbnailSize, int32_t* width,
                     int32_t* height) {
  return FindExifThumbnail(bytes, size, thumbnail, thumbnailSize) &&
         ReadJpegSize(*thumbnail, *thumbnailSize, width, height) && *width <= photoWidth &&
         *height <= photoHeight && SameProportions(*width, *height, photoWidth, photoHeight);
}

} // namespace

bool CanDecodePicture(const uint8_t* bytes, size_t size) {
  return IsJpegData(bytes, size);
}

bool FindEmbeddedThumbnail(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height) {
  int32_t photoWidth = 0;
  int32_t photoHeight = 0;
  const uint8_t* thumbnail = nullptr;
  size_t thumbnailSize = 0;
  return ReadJpegSize(bytes, size, &photoWidth, &photoHeight) &&
         UsableThumbnail(bytes, size, photoWidth, photoHeight, &thumbnail, &thumbnailSize, width,
                         height);
}

DecodeResult DecodePictureForSize(const uint8_t* bytes, size_t size, int32_t maxWidth,
                                  int32_t maxHeight, DecodedPicture* out) {
  *out = DecodedPicture{};
  if (!IsJpegData(bytes, size)) {
    return DecodeResult::NotSupported;
  }
  int32_t photoWidth = 0;
  int32_t photoHeight = 0;
  if (maxWidth < 1 || maxHeight < 1 || !ReadJpegSize(bytes, size, &photoWidth, &photoHeight)) {
    return DecodeResult::Failed;
  }
  JpegPixels pixels;
  const uint8_t* thumbnail = nullptr;
  size_t thumbnailSize = 0;
  int32_t thumbnailWidth = 0;
  int32_t thumbnailHeight = 0;
  // A preview smaller than the size asked for would show less than the photo: it is not used.
  if (UsableThumbnail(bytes, size, photoWidth, photoHeight, &thumbnail, &thumbnailSize,
                      &thumbnailWidth, &thumbnailHeight) &&
      thumbnailWidth >= maxWidth && thumbnailHeight >= maxHeight &&
      DecodeJpeg(thumbnail, thumbnailSize,
                 JpegDenominator(thumbnailWidth, thumbnailHeight, maxWidth, maxHeight), &pixels)) {
    out->fFromThumbnail = true;
  } else if (!DecodeJpeg(bytes, size, JpegDenominator(photoWidth, photoHeight, maxWidth, maxHeight),
                         &pixels)) {
    return DecodeResult::Failed;
  }
  const int32_t width = std::min(maxWidth, pixels.fWidth);
  const int32_t height = std::min(maxHeight, pixels.fHeight);
  out->fWidth = width;
  out->fHeight = height;
  if (width == pixels.fWidth && height == pixels.fHeight) {
    out->fPixels = std::move(pixels.fPixels);
  } else if (!Reduce(pixels.GetPixels(), pixels.fWidth, pixels.fHeight, width, height,
                     &out->fPixels)) {
    *out = DecodedPicture{};
    return DecodeResult::Failed;
  }
  return DecodeResult::Ok;
}

} // namespace gfx
