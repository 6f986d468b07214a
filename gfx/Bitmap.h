// 32-bit pixels of a given size: made empty, wrapped around pixels someone else owns (a zeroed
// buffer, a host native image), copied from a host native image, or loaded from a PNG file.
// Pixels are stored premultiplied, native-endian 0xAARRGGBB, rows top down.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "gfx/GfxEnums.h"
#include "gfx/GfxNatives.h"
#include "gfx/GfxStatus.h"
#include "gfx/GfxTypes.h"
#include "gfx/ImageEncoding.h"
#include "sdk/FourDPluginAPI.h"

namespace gfx {

// Direct access to locked pixels: Scan0 points at the first pixel of the locked rectangle.
struct BitmapData {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Stride = 0;
  gfx::PixelFormat PixelFormat = PixelFormat32bppPARGB;
  uint8_t* Scan0 = nullptr;
};

class Bitmap {
public:
  // Zeroed pixels. ARGB is accepted and stored premultiplied.
  Bitmap(int32_t width, int32_t height, PixelFormat format = PixelFormat32bppPARGB);
  // Wraps `scan0`, which must outlive the bitmap; the stride must be a multiple of 4 holding a row.
  // ARGB is refused here: the buffer would be read as premultiplied.
  Bitmap(int32_t width, int32_t height, int32_t stride, PixelFormat format, uint8_t* scan0);
  // Copies the image's pixels, or wraps them when `copyPixels` is false (then the image must
  // outlive the bitmap; a row layout that cannot be wrapped is copied instead).
  explicit Bitmap(const FDNativeImage* image, bool copyPixels = true);
  // A copy of what the device context shows in `part` (its pixels), opaque (PixelFormat32bppRGB);
  // what lies outside the context reads black. Null when the context or the part is unusable.
  static std::unique_ptr<Bitmap> FromDeviceContext(const FDDeviceContext* dc, const Rect& part);
  static std::unique_ptr<Bitmap> FromFile(const char* pngPathUtf8);
  static std::unique_ptr<Bitmap> FromFile(const uint16_t* pngPath);
  static std::unique_ptr<Bitmap> FromPngBytes(const uint8_t* bytes, size_t count);
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  Status GetLastStatus() const { return fStatus; }
  int32_t GetWidth() const;
  int32_t GetHeight() const;
  PixelFormat GetPixelFormat() const { return fFormat; }

  // Pixels. Colours read and written here are straight (not premultiplied).
  Status GetPixel(int32_t x, int32_t y, Color* color) const;
  Status SetPixel(int32_t x, int32_t y, const Color& color);
  // One lock at a time; the format asked for must be the bitmap's own (PARGB for ARGB).
  Status LockBits(const Rect* rect, int lockMode, PixelFormat format, BitmapData* data);
  Status UnlockBits(BitmapData* data);

  // Encoding
  Status Save(ImageEncoder encoder, std::vector<uint8_t>* bytes) const;

  // The platform's pixels, for graphics; null when the bitmap failed to build.
  NativeBitmap* Native() const { return fNative.get(); }

private:
  Bitmap(std::unique_ptr<NativeBitmap> loaded, Status failure);
  void Adopt(std::unique_ptr<NativeBitmap> native);

  std::unique_ptr<NativeBitmap> fNative;
  PixelFormat fFormat = PixelFormat32bppPARGB;
  Status fStatus = Status::WrongState;
  int fLockMode = 0; // 0 while unlocked
};

} // namespace gfx
