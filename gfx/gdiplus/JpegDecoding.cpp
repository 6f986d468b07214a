#include "gfx/JpegDecoding.h"

#include <limits.h>
#include <shlwapi.h>

#include <new>

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

// GDI+'s codec has no reduced decoding: the photo is decoded whole, then each block of
// `denominator` x `denominator` pixels is averaged into one, as the reduced scales do.
std::unique_ptr<Gdiplus::Bitmap> DecodeWhole(const uint8_t* bytes, size_t size) {
  if (!IsJpegData(bytes, size) || size > UINT_MAX || !GdiplusReady()) {
    return nullptr;
  }
  IStream* stream = SHCreateMemStream(bytes, UINT(size));
  if (!stream) {
    return nullptr;
  }
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();
  if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  const uint64_t count = uint64_t{bitmap->GetWidth()} * bitmap->GetHeight();
  return count > 0 && count <= kMaxJpegPixels ? std::move(bitmap) : nullptr;
}

} // namespace

bool ReadJpegSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height) {
  std::unique_ptr<Gdiplus::Bitmap> bitmap = DecodeWhole(bytes, size);
  if (!bitmap) {
    return false;
  }
  *width = int32_t(bitmap->GetWidth());
  *height = int32_t(bitmap->GetHeight());
  return true;
}

bool DecodeJpeg(const uint8_t* bytes, size_t size, int denominator, JpegPixels* out) {
  out->fPixels.Reset();
  std::unique_ptr<Gdiplus::Bitmap> bitmap = DecodeWhole(bytes, size);
  if (!bitmap) {
    return false;
  }
  const int32_t width = int32_t(bitmap->GetWidth());
  const int32_t height = int32_t(bitmap->GetHeight());
  Gdiplus::Rect whole(0, 0, width, height);
  Gdiplus::BitmapData data;
  if (bitmap->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
      Gdiplus::Ok) {
    return false;
  }
  const int32_t d = denominator == 2 || denominator == 4 || denominator == 8 ? denominator : 1;
  const int32_t outWidth = (width + d - 1) / d;
  const int32_t outHeight = (height + d - 1) / d;
  if (out->fPixels.Allocate(size_t(outWidth) * size_t(outHeight) * 4)) {
    uint32_t* pixels = out->GetPixels();
    const auto* rows = static_cast<const uint8_t*>(data.Scan0);
    for (int32_t y = 0; y < outHeight; ++y) {
      for (int32_t x = 0; x < outWidth; ++x) {
        uint32_t sum[3] = {0, 0, 0};
        uint32_t n = 0;
        for (int32_t sy = y * d; sy < std::min(height, y * d + d); ++sy) {
          const auto* row = reinterpret_cast<const uint32_t*>(rows + ptrdiff_t(sy) * data.Stride);
          for (int32_t sx = x * d; sx < std::min(width, x * d + d); ++sx) {
            sum[0] += (row[sx] >> 16) & 0xFF;
            sum[1] += (row[sx] >> 8) & 0xFF;
            sum[2] += row[sx] & 0xFF;
            ++n;
          }
        }
        pixels[size_t(y) * outWidth + x] = 0xFF000000u | (sum[0] + n / 2) / n << 16 |
                                           (sum[1] + n / 2) / n << 8 | (sum[2] + n / 2) / n;
      }
    }
    out->fWidth = outWidth;
    out->fHeight = outHeight;
  }
  bitmap->UnlockBits(&data);
  return !out->fPixels.IsEmpty();
}

} // namespace gfx
