#include "gfx/Bitmap.h"

#include <shlwapi.h>

#include <new>
#include <string>

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

// The same limit on each side as on every platform.
constexpr int32_t kMaxSide = 32767;

bool ValidSize(int32_t width, int32_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

Gdiplus::PixelFormat NativeFormat(PixelFormat format) {
  return format == PixelFormat32bppRGB ? PixelFormat32bppRGB : PixelFormat32bppPARGB;
}

std::unique_ptr<NativeBitmap> Wrap(Gdiplus::Bitmap* bitmap) {
  std::unique_ptr<Gdiplus::Bitmap> owned(bitmap);
  if (!owned) {
    return nullptr;
  }
  std::unique_ptr<NativeBitmap> native(new (std::nothrow) NativeBitmap);
  if (native) {
    native->fBitmap = std::move(owned);
  }
  return native;
}

// A decoded image in one of the two 32-bit formats: opaque images stay opaque.
std::unique_ptr<NativeBitmap> ToOwn32Bit(Gdiplus::Bitmap* decoded) {
  std::unique_ptr<Gdiplus::Bitmap> owned(decoded);
  if (!owned || owned->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  const Gdiplus::PixelFormat format = Gdiplus::IsAlphaPixelFormat(owned->GetPixelFormat())
                                          ? PixelFormat32bppPARGB
                                          : PixelFormat32bppRGB;
  const int width = int(owned->GetWidth());
  const int height = int(owned->GetHeight());
  if (!ValidSize(width, height)) {
    return nullptr;
  }
  // A copy of its own, so that the file or stream it came from is let go.
  return Wrap(owned->Clone(0, 0, width, height, format));
}

std::unique_ptr<Bitmap> Loaded(Bitmap* bitmap) {
  return std::unique_ptr<Bitmap>(bitmap);
}

} // namespace

Bitmap::Bitmap(int32_t width, int32_t height, PixelFormat format) {
  if (!ValidSize(width, height) ||
      (format != PixelFormat32bppRGB && format != PixelFormat32bppARGB &&
       format != PixelFormat32bppPARGB)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  if (!GdiplusReady()) {
    fStatus = Status::GenericError;
    return;
  }
  fFormat = format == PixelFormat32bppRGB ? format : PixelFormat32bppPARGB;
  Adopt(Wrap(new Gdiplus::Bitmap(width, height, NativeFormat(fFormat))));
}

Bitmap::Bitmap(int32_t width, int32_t height, int32_t stride, PixelFormat format, uint8_t* scan0) {
  if (!scan0 || !ValidSize(width, height) || stride < width * 4 || stride % 4 != 0 ||
      (format != PixelFormat32bppRGB && format != PixelFormat32bppPARGB)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  if (!GdiplusReady()) {
    fStatus = Status::GenericError;
    return;
  }
  fFormat = format;
  Adopt(Wrap(new Gdiplus::Bitmap(width, height, stride, NativeFormat(format), scan0)));
}

Bitmap::Bitmap(const FDNativeImage* image, bool copyPixels) {
  if (!image || !image->fPixels || !ValidSize(image->fWidth, image->fHeight) ||
      image->fRowBytes < image->fWidth * 4) {
    fStatus = Status::InvalidParameter;
    return;
  }
  if (!GdiplusReady()) {
    fStatus = Status::GenericError;
    return;
  }
  auto* pixels = reinterpret_cast<uint8_t*>(image->fPixels);
  if (!copyPixels && image->fRowBytes % 4 == 0) {
    Adopt(Wrap(new Gdiplus::Bitmap(image->fWidth, image->fHeight, image->fRowBytes,
                                   PixelFormat32bppPARGB, pixels)));
    return;
  }
  Adopt(Wrap(new Gdiplus::Bitmap(image->fWidth, image->fHeight, PixelFormat32bppPARGB)));
  if (fStatus != Status::Ok) {
    return;
  }
  Gdiplus::Rect whole(0, 0, image->fWidth, image->fHeight);
  Gdiplus::BitmapData data = {};
  if (fNative->fBitmap->LockBits(&whole, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB,
                                 &data) != Gdiplus::Ok) {
    fNative.reset();
    fStatus = Status::OutOfMemory;
    return;
  }
  for (int32_t y = 0; y < image->fHeight; ++y) {
    memcpy(static_cast<uint8_t*>(data.Scan0) + size_t(y) * data.Stride,
           pixels + size_t(y) * image->fRowBytes, size_t(image->fWidth) * 4);
  }
  fNative->fBitmap->UnlockBits(&data);
}

Bitmap::Bitmap(std::unique_ptr<NativeBitmap> loaded, Status failure) {
  if (!loaded || !loaded->fBitmap) {
    fStatus = failure;
    return;
  }
  if (loaded->fBitmap->GetPixelFormat() == PixelFormat32bppRGB) {
    fFormat = PixelFormat32bppRGB;
  }
  Adopt(std::move(loaded));
}

Bitmap::~Bitmap() {
  if (fNative && fLockMode) {
    fNative->fBitmap->UnlockBits(&fNative->fLocked);
  }
}

void Bitmap::Adopt(std::unique_ptr<NativeBitmap> native) {
  fStatus =
      native && native->fBitmap ? StatusOf(native->fBitmap->GetLastStatus()) : Status::OutOfMemory;
  if (fStatus == Status::Ok) {
    fNative = std::move(native);
  }
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const char* pngPathUtf8) {
  if (!pngPathUtf8 || !*pngPathUtf8) {
    return Loaded(new (std::nothrow) Bitmap(nullptr, Status::FileNotFound));
  }
  const int units = MultiByteToWideChar(CP_UTF8, 0, pngPathUtf8, -1, nullptr, 0);
  std::unique_ptr<WCHAR[]> wide(new (std::nothrow) WCHAR[size_t(units > 0 ? units : 1)]);
  if (!wide) {
    return Loaded(new (std::nothrow) Bitmap(nullptr, Status::OutOfMemory));
  }
  wide[0] = 0;
  MultiByteToWideChar(CP_UTF8, 0, pngPathUtf8, -1, wide.get(), units);
  return FromFile(reinterpret_cast<const uint16_t*>(wide.get()));
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const uint16_t* pngPath) {
  std::unique_ptr<NativeBitmap> loaded;
  if (pngPath && *pngPath && GdiplusReady()) {
    loaded = ToOwn32Bit(Gdiplus::Bitmap::FromFile(reinterpret_cast<const WCHAR*>(pngPath)));
  }
  return Loaded(new (std::nothrow) Bitmap(std::move(loaded), Status::FileNotFound));
}

std::unique_ptr<Bitmap> Bitmap::FromDeviceContext(const FDDeviceContext* dc, const Rect& part) {
  if (!dc || !ValidSize(part.Width, part.Height)) {
    return nullptr;
  }
  std::unique_ptr<Bitmap> copy(new (std::nothrow)
                                   Bitmap(part.Width, part.Height, PixelFormat32bppRGB));
  if (!copy || copy->GetLastStatus() != Status::Ok) {
    return nullptr;
  }
  // The context's pixels come through a section of our own, which GDI can copy into.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = part.Width;
  info.bmiHeader.biHeight = -part.Height; // rows top down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC source = reinterpret_cast<HDC>(const_cast<FDDeviceContext*>(dc));
  HDC memory = CreateCompatibleDC(source);
  HBITMAP section =
      memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  bool copied = false;
  if (section && bits) {
    HGDIOBJ previous = SelectObject(memory, section);
    copied = BitBlt(memory, 0, 0, part.Width, part.Height, source, part.X, part.Y, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, previous);
  }
  BitmapData data;
  if (copied &&
      copy->LockBits(nullptr, ImageLockModeWrite, PixelFormat32bppRGB, &data) == Status::Ok) {
    for (int32_t y = 0; y < part.Height; ++y) {
      memcpy(data.Scan0 + size_t(y) * size_t(data.Stride),
             static_cast<const uint8_t*>(bits) + size_t(y) * size_t(part.Width) * 4,
             size_t(part.Width) * 4);
    }
    copy->UnlockBits(&data);
  } else {
    copied = false;
  }
  if (section) {
    DeleteObject(section);
  }
  if (memory) {
    DeleteDC(memory);
  }
  return copied ? std::move(copy) : nullptr;
}

std::unique_ptr<Bitmap> Bitmap::FromPngBytes(const uint8_t* bytes, size_t count) {
  std::unique_ptr<NativeBitmap> loaded;
  if (bytes && count > 0 && count <= UINT_MAX && GdiplusReady()) {
    if (IStream* stream = SHCreateMemStream(bytes, UINT(count))) {
      loaded = ToOwn32Bit(Gdiplus::Bitmap::FromStream(stream));
      stream->Release();
    }
  }
  return Loaded(new (std::nothrow) Bitmap(std::move(loaded), Status::FileNotFound));
}

int32_t Bitmap::GetWidth() const {
  return fNative ? int32_t(fNative->fBitmap->GetWidth()) : 0;
}

int32_t Bitmap::GetHeight() const {
  return fNative ? int32_t(fNative->fBitmap->GetHeight()) : 0;
}

Status Bitmap::GetPixel(int32_t x, int32_t y, Color* color) const {
  if (!fNative) {
    return Status::WrongState;
  }
  if (!color || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) {
    return Status::InvalidParameter;
  }
  Gdiplus::Color native;
  if (Status status = StatusOf(fNative->fBitmap->GetPixel(x, y, &native)); status != Status::Ok) {
    return status;
  }
  const uint32_t argb = native.GetValue();
  *color = Color(fFormat == PixelFormat32bppRGB ? argb | 0xFF000000u : argb);
  return Status::Ok;
}

Status Bitmap::SetPixel(int32_t x, int32_t y, const Color& color) {
  if (!fNative || fLockMode) {
    return Status::WrongState;
  }
  if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) {
    return Status::InvalidParameter;
  }
  const Color stored =
      fFormat == PixelFormat32bppRGB ? Color(color.GetR(), color.GetG(), color.GetB()) : color;
  return StatusOf(fNative->fBitmap->SetPixel(x, y, GdiplusColor(stored)));
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
  Gdiplus::Rect area(r.X, r.Y, r.Width, r.Height);
  fNative->fLocked = {};
  if (Status status = StatusOf(fNative->fBitmap->LockBits(
          &area, UINT(lockMode & (ImageLockModeRead | ImageLockModeWrite)), NativeFormat(fFormat),
          &fNative->fLocked));
      status != Status::Ok) {
    return status;
  }
  data->Width = r.Width;
  data->Height = r.Height;
  data->Stride = fNative->fLocked.Stride;
  data->PixelFormat = fFormat;
  data->Scan0 = static_cast<uint8_t*>(fNative->fLocked.Scan0);
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
  fNative->fBitmap->UnlockBits(&fNative->fLocked);
  fLockMode = 0;
  *data = BitmapData();
  return Status::Ok;
}

Status Bitmap::Save(ImageEncoder encoder, std::vector<uint8_t>* bytes) const {
  return EncodeImage(*this, encoder, bytes);
}

} // namespace gfx
