// The host's pictures through GDI+'s codecs: PNG, TIFF, JPEG and BMP decoded, PNG written.
#include "ImageCodecs.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
#include <shlwapi.h>

#include <cmath>
#include <memory>

#include "JpegCodec.h"
#include "RealWindows.h"

namespace zvhost {

namespace {

// Pictures larger than this are refused rather than decoded.
constexpr int64_t kMaxPixels = int64_t{1} << 26;

const CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

bool SaneSize(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width * height <= kMaxPixels;
}

// The bitmap over a copy of the bytes; null when GDI+ cannot read them.
std::unique_ptr<Gdiplus::Bitmap> OpenBitmap(const uint8_t* bytes, size_t size) {
  if (!EnsureGdiplus() || bytes == nullptr || size == 0 || size > 0x7FFFFFFF) {
    return nullptr;
  }
  IStream* stream = SHCreateMemStream(bytes, static_cast<UINT>(size));
  if (stream == nullptr) {
    return nullptr;
  }
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();
  if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok ||
      !SaneSize(bitmap->GetWidth(), bitmap->GetHeight())) {
    return nullptr;
  }
  return bitmap;
}

bool ReadPixels(Gdiplus::Bitmap& bitmap, int32_t width, int32_t height,
                std::vector<uint32_t>* pixels) {
  pixels->resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  Gdiplus::BitmapData data{};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width * 4;
  data.PixelFormat = PixelFormat32bppPARGB;
  data.Scan0 = pixels->data();
  Gdiplus::Rect rect(0, 0, width, height);
  if (bitmap.LockBits(&rect, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                      PixelFormat32bppPARGB, &data) != Gdiplus::Ok) {
    return false;
  }
  return bitmap.UnlockBits(&data) == Gdiplus::Ok;
}

bool Decode(const uint8_t* bytes, size_t size, ImageInfo* info, std::vector<uint32_t>* pixels) {
  const ImageFormat format = SniffImageFormat(bytes, size);
  if (format == ImageFormat::Unknown) {
    return false;
  }
  std::unique_ptr<Gdiplus::Bitmap> bitmap = OpenBitmap(bytes, size);
  if (!bitmap) {
    return false;
  }
  const auto width = static_cast<int32_t>(bitmap->GetWidth());
  const auto height = static_cast<int32_t>(bitmap->GetHeight());
  if (pixels != nullptr && !ReadPixels(*bitmap, width, height, pixels)) {
    return false;
  }
  *info = {format, width, height};
  return true;
}

} // namespace

bool ReadImageInfo(const uint8_t* bytes, size_t size, ImageInfo* info) {
  *info = {};
  return Decode(bytes, size, info, nullptr);
}

bool DecodeImage(const uint8_t* bytes, size_t size, ImageInfo* info,
                 std::vector<uint32_t>* pixels) {
  *info = {};
  return Decode(bytes, size, info, pixels);
}

// GDI+ has no reduced decode: the whole picture is decoded, then scaled down with high quality
// to the size a reduced decode gives.
bool ReadJpeg(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height,
              std::vector<uint32_t>* pixels, int denominator) {
  if (!IsJpeg(bytes, size)) {
    return false;
  }
  std::unique_ptr<Gdiplus::Bitmap> bitmap = OpenBitmap(bytes, size);
  if (!bitmap) {
    return false;
  }
  const auto fullWidth = static_cast<int32_t>(bitmap->GetWidth());
  const auto fullHeight = static_cast<int32_t>(bitmap->GetHeight());
  const int32_t d = denominator == 2 || denominator == 4 || denominator == 8 ? denominator : 1;
  *width = (fullWidth + d - 1) / d;
  *height = (fullHeight + d - 1) / d;
  if (pixels == nullptr) {
    return true;
  }
  if (d == 1) {
    return ReadPixels(*bitmap, fullWidth, fullHeight, pixels);
  }
  Gdiplus::Bitmap scaled(*width, *height, PixelFormat32bppPARGB);
  {
    Gdiplus::Graphics graphics(&scaled);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    if (graphics.DrawImage(bitmap.get(), Gdiplus::Rect(0, 0, *width, *height), 0, 0, fullWidth,
                           fullHeight, Gdiplus::UnitPixel, &edges) != Gdiplus::Ok) {
      return false;
    }
  }
  if (!ReadPixels(scaled, *width, *height, pixels)) {
    return false;
  }
  for (uint32_t& pixel : *pixels) {
    pixel |= 0xFF000000u; // a JPEG is opaque
  }
  return true;
}

bool WritePngFile(const char* path, const uint32_t* pixels, int32_t width, int32_t height) {
  if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0 || !EnsureGdiplus()) {
    return false;
  }
  Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppPARGB,
                         reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels)));
  const std::wstring wide = WideText(path);
  return !wide.empty() && bitmap.Save(wide.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

} // namespace zvhost
