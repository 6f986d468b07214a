#include "gfx/Bitmap.h"

#include <string.h>

#include <algorithm>
#include <new>
#include <string>

#include "gfx/Utf16.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

// The native surfaces' own limit on each side.
constexpr int32_t kMaxSide = 32767;

bool ValidSize(int32_t width, int32_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

Status StatusOf(cairo_surface_t* surface) {
  switch (cairo_surface_status(surface)) {
  case CAIRO_STATUS_SUCCESS:
    return Status::Ok;
  case CAIRO_STATUS_NO_MEMORY:
    return Status::OutOfMemory;
  case CAIRO_STATUS_FILE_NOT_FOUND:
  case CAIRO_STATUS_READ_ERROR:
  case CAIRO_STATUS_PNG_ERROR:
    return Status::FileNotFound;
  case CAIRO_STATUS_INVALID_STRIDE:
  case CAIRO_STATUS_INVALID_SIZE:
  case CAIRO_STATUS_INVALID_FORMAT:
    return Status::InvalidParameter;
  default:
    return Status::GenericError;
  }
}

uint32_t Premultiply(const Color& color) {
  uint32_t a = color.GetA();
  auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | scale(color.GetR()) << 16 | scale(color.GetG()) << 8 | scale(color.GetB());
}

Color Unpremultiply(uint32_t pixel, bool opaque) {
  uint32_t a = opaque ? 255 : pixel >> 24;
  if (a == 0) {
    return Color(0, 0, 0, 0);
  }
  auto scale = [a](uint32_t c) { return uint8_t(c >= a ? 255 : (c * 255 + a / 2) / a); };
  return Color(uint8_t(a), scale(pixel >> 16 & 0xFF), scale(pixel >> 8 & 0xFF),
               scale(pixel & 0xFF));
}

// Null when there is no surface or no memory to hold it.
std::unique_ptr<NativeBitmap> Wrap(SurfacePtr surface) {
  if (!surface) {
    return nullptr;
  }
  std::unique_ptr<NativeBitmap> native(new (std::nothrow) NativeBitmap);
  if (native) {
    native->fSurface = std::move(surface);
  }
  return native;
}

// Images that are neither 32-bit format are redrawn into premultiplied ARGB.
SurfacePtr ToArgb32(SurfacePtr surface) {
  cairo_format_t format = cairo_image_surface_get_format(surface.get());
  if (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) {
    return surface;
  }
  SurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                             cairo_image_surface_get_width(surface.get()),
                                             cairo_image_surface_get_height(surface.get())));
  CairoPtr cr(cairo_create(copy.get()));
  cairo_set_source_surface(cr.get(), surface.get(), 0, 0);
  cairo_paint(cr.get());
  return copy;
}

struct PngReader {
  const uint8_t* fBytes;
  size_t fCount;
  size_t fPos = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
  auto* reader = static_cast<PngReader*>(closure);
  if (length > reader->fCount - reader->fPos) {
    return CAIRO_STATUS_READ_ERROR;
  }
  memcpy(data, reader->fBytes + reader->fPos, length);
  reader->fPos += length;
  return CAIRO_STATUS_SUCCESS;
}

} // namespace

Bitmap::Bitmap(int32_t width, int32_t height, PixelFormat format) {
  if (!ValidSize(width, height) ||
      (format != PixelFormat32bppRGB && format != PixelFormat32bppARGB &&
       format != PixelFormat32bppPARGB)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  fFormat = format == PixelFormat32bppRGB ? format : PixelFormat32bppPARGB;
  Adopt(Wrap(SurfacePtr(cairo_image_surface_create(
      format == PixelFormat32bppRGB ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, width, height))));
}

Bitmap::Bitmap(int32_t width, int32_t height, int32_t stride, PixelFormat format, uint8_t* scan0) {
  if (!scan0 || !ValidSize(width, height) || stride < width * 4 || stride % 4 != 0 ||
      (format != PixelFormat32bppRGB && format != PixelFormat32bppPARGB)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  fFormat = format;
  Adopt(Wrap(SurfacePtr(cairo_image_surface_create_for_data(
      scan0, format == PixelFormat32bppRGB ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, width,
      height, stride))));
}

Bitmap::Bitmap(const FDNativeImage* image, bool copyPixels) {
  if (!image || !image->fPixels || !ValidSize(image->fWidth, image->fHeight) ||
      image->fRowBytes < image->fWidth * 4) {
    fStatus = Status::InvalidParameter;
    return;
  }
  auto* pixels = reinterpret_cast<uint8_t*>(image->fPixels);
  if (!copyPixels && image->fRowBytes % 4 == 0) {
    Adopt(Wrap(SurfacePtr(cairo_image_surface_create_for_data(
        pixels, CAIRO_FORMAT_ARGB32, image->fWidth, image->fHeight, image->fRowBytes))));
    return;
  }
  Adopt(Wrap(
      SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->fWidth, image->fHeight))));
  if (fStatus != Status::Ok) {
    return;
  }
  uint8_t* target = cairo_image_surface_get_data(fNative->fSurface.get());
  int32_t stride = cairo_image_surface_get_stride(fNative->fSurface.get());
  for (int32_t y = 0; y < image->fHeight; ++y) {
    memcpy(target + size_t(y) * stride, pixels + size_t(y) * image->fRowBytes,
           size_t(image->fWidth) * 4);
  }
  cairo_surface_mark_dirty(fNative->fSurface.get());
}

Bitmap::Bitmap(std::unique_ptr<NativeBitmap> loaded, Status failure) {
  if (!loaded || !loaded->fSurface) {
    fStatus = failure;
    return;
  }
  if (Status status = StatusOf(loaded->fSurface.get()); status != Status::Ok) {
    fStatus = status;
    return;
  }
  Adopt(Wrap(ToArgb32(std::move(loaded->fSurface))));
  if (fStatus == Status::Ok &&
      cairo_image_surface_get_format(fNative->fSurface.get()) == CAIRO_FORMAT_RGB24) {
    fFormat = PixelFormat32bppRGB;
  }
}

Bitmap::~Bitmap() = default;

void Bitmap::Adopt(std::unique_ptr<NativeBitmap> native) {
  fStatus = native && native->fSurface ? StatusOf(native->fSurface.get()) : Status::OutOfMemory;
  if (fStatus == Status::Ok) {
    fNative = std::move(native);
  }
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const char* pngPathUtf8) {
  SurfacePtr surface;
  if (pngPathUtf8 && *pngPathUtf8) {
    surface.reset(cairo_image_surface_create_from_png(pngPathUtf8));
  }
  return std::unique_ptr<Bitmap>(new (std::nothrow)
                                     Bitmap(Wrap(std::move(surface)), Status::FileNotFound));
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const uint16_t* pngPath) {
  std::string path;
  if (!Utf16ToUtf8(pngPath, -1, &path)) {
    return std::unique_ptr<Bitmap>(new (std::nothrow) Bitmap(nullptr, Status::OutOfMemory));
  }
  return FromFile(path.c_str());
}

std::unique_ptr<Bitmap> Bitmap::FromDeviceContext(const FDDeviceContext* dc, const Rect& part) {
  if (!dc || !dc->fPixels || dc->fWidth <= 0 || dc->fHeight <= 0 ||
      dc->fRowBytes < dc->fWidth * 4 || !ValidSize(part.Width, part.Height)) {
    return nullptr;
  }
  std::unique_ptr<Bitmap> copy(new (std::nothrow)
                                   Bitmap(part.Width, part.Height, PixelFormat32bppRGB));
  BitmapData data;
  if (!copy ||
      copy->LockBits(nullptr, ImageLockModeWrite, PixelFormat32bppRGB, &data) != Status::Ok) {
    return nullptr;
  }
  // The bitmap starts black: only the rows and columns the context has are copied.
  const int64_t left = std::max<int64_t>(part.X, 0);
  const int64_t right = std::min<int64_t>(int64_t{part.X} + part.Width, dc->fWidth);
  const auto* from = reinterpret_cast<const uint8_t*>(dc->fPixels);
  for (int32_t y = 0; y < part.Height && left < right; ++y) {
    const int64_t row = int64_t{part.Y} + y;
    if (row < 0 || row >= dc->fHeight) {
      continue;
    }
    memcpy(data.Scan0 + size_t(y) * size_t(data.Stride) + size_t(left - part.X) * 4,
           from + size_t(row) * size_t(dc->fRowBytes) + size_t(left) * 4, size_t(right - left) * 4);
  }
  copy->UnlockBits(&data);
  return copy;
}

std::unique_ptr<Bitmap> Bitmap::FromPngBytes(const uint8_t* bytes, size_t count) {
  SurfacePtr surface;
  if (bytes && count > 0) {
    PngReader reader{bytes, count};
    surface.reset(cairo_image_surface_create_from_png_stream(ReadPng, &reader));
  }
  return std::unique_ptr<Bitmap>(new (std::nothrow)
                                     Bitmap(Wrap(std::move(surface)), Status::FileNotFound));
}

int32_t Bitmap::GetWidth() const {
  return fNative ? cairo_image_surface_get_width(fNative->fSurface.get()) : 0;
}

int32_t Bitmap::GetHeight() const {
  return fNative ? cairo_image_surface_get_height(fNative->fSurface.get()) : 0;
}

Status Bitmap::GetPixel(int32_t x, int32_t y, Color* color) const {
  if (!fNative) {
    return Status::WrongState;
  }
  if (!color || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) {
    return Status::InvalidParameter;
  }
  cairo_surface_flush(fNative->fSurface.get());
  const uint8_t* row = cairo_image_surface_get_data(fNative->fSurface.get()) +
                       size_t(y) * cairo_image_surface_get_stride(fNative->fSurface.get());
  uint32_t pixel;
  memcpy(&pixel, row + size_t(x) * 4, 4);
  *color = Unpremultiply(pixel, fFormat == PixelFormat32bppRGB);
  return Status::Ok;
}

Status Bitmap::SetPixel(int32_t x, int32_t y, const Color& color) {
  if (!fNative || fLockMode) {
    return Status::WrongState;
  }
  if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) {
    return Status::InvalidParameter;
  }
  cairo_surface_flush(fNative->fSurface.get());
  uint8_t* row = cairo_image_surface_get_data(fNative->fSurface.get()) +
                 size_t(y) * cairo_image_surface_get_stride(fNative->fSurface.get());
  uint32_t pixel = Premultiply(
      fFormat == PixelFormat32bppRGB ? Color(color.GetR(), color.GetG(), color.GetB()) : color);
  memcpy(row + size_t(x) * 4, &pixel, 4);
  cairo_surface_mark_dirty_rectangle(fNative->fSurface.get(), x, y, 1, 1);
  return Status::Ok;
}

Status Bitmap::LockBits(const Rect* rect, int lockMode, PixelFormat format, BitmapData* data) {
  if (!fNative || fLockMode) {
    return Status::WrongState;
  }
  Rect whole(0, 0, GetWidth(), GetHeight());
  Rect r = rect ? *rect : whole;
  if (!data || (lockMode & (ImageLockModeRead | ImageLockModeWrite)) == 0 || format != fFormat ||
      r.X < 0 || r.Y < 0 || r.Width <= 0 || r.Height <= 0 || r.Width > whole.Width - r.X ||
      r.Height > whole.Height - r.Y) {
    return Status::InvalidParameter;
  }
  cairo_surface_flush(fNative->fSurface.get());
  data->Width = r.Width;
  data->Height = r.Height;
  data->Stride = cairo_image_surface_get_stride(fNative->fSurface.get());
  data->PixelFormat = fFormat;
  data->Scan0 = cairo_image_surface_get_data(fNative->fSurface.get()) + size_t(r.Y) * data->Stride +
                size_t(r.X) * 4;
  fLockMode = lockMode;
  return Status::Ok;
}

Status Bitmap::UnlockBits(BitmapData* data) {
  if (!fNative || !fLockMode) {
    return Status::WrongState;
  }
  if (!data) {
    return Status::InvalidParameter;
  }
  if (fLockMode & ImageLockModeWrite) {
    cairo_surface_mark_dirty(fNative->fSurface.get());
  }
  fLockMode = 0;
  *data = BitmapData();
  return Status::Ok;
}

Status Bitmap::Save(ImageEncoder encoder, std::vector<uint8_t>* bytes) const {
  return EncodeImage(*this, encoder, bytes);
}

} // namespace gfx
