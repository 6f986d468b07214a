#include "ImageCodecs.h"

#include "JpegCodec.h"

#include <png.h>
#include <tiffio.h>

#include <cstring>

namespace zvhost {

namespace {

// Pictures larger than this are refused rather than decoded.
constexpr int64_t kMaxPixels = int64_t{1} << 26;

uint32_t PremultipliedArgb(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  auto mul = [a](uint8_t c) { return static_cast<uint32_t>((c * a + 127) / 255); };
  return (static_cast<uint32_t>(a) << 24) | (mul(r) << 16) | (mul(g) << 8) | mul(b);
}

bool SaneSize(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width * height <= kMaxPixels;
}

bool PngInfo(const uint8_t* bytes, size_t size, png_image* image) {
  std::memset(image, 0, sizeof(*image));
  image->version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(image, bytes, size)) {
    return false;
  }
  return SaneSize(image->width, image->height);
}

bool DecodePng(const uint8_t* bytes, size_t size, ImageInfo* info, std::vector<uint32_t>* pixels) {
  png_image image;
  if (!PngInfo(bytes, size, &image)) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  info->format = ImageFormat::Png;
  info->width = static_cast<int32_t>(image.width);
  info->height = static_cast<int32_t>(image.height);
  pixels->resize(static_cast<size_t>(info->width) * static_cast<size_t>(info->height));
  for (size_t i = 0; i < pixels->size(); ++i) {
    const uint8_t* p = &rgba[i * 4];
    (*pixels)[i] = PremultipliedArgb(p[0], p[1], p[2], p[3]);
  }
  return true;
}

// libtiff reads from memory through these client procedures.
struct TiffStream {
  const uint8_t* bytes;
  size_t size;
  toff_t position;
};

tsize_t TiffRead(thandle_t h, tdata_t buffer, tsize_t count) {
  auto* s = static_cast<TiffStream*>(h);
  if (count < 0 || s->position >= s->size) {
    return 0;
  }
  const size_t n = std::min<size_t>(static_cast<size_t>(count), s->size - s->position);
  std::memcpy(buffer, s->bytes + s->position, n);
  s->position += n;
  return static_cast<tsize_t>(n);
}

tsize_t TiffWrite(thandle_t, tdata_t, tsize_t) {
  return 0;
}

toff_t TiffSeek(thandle_t h, toff_t offset, int whence) {
  auto* s = static_cast<TiffStream*>(h);
  toff_t base = 0;
  if (whence == SEEK_CUR) {
    base = s->position;
  } else if (whence == SEEK_END) {
    base = s->size;
  }
  s->position = base + offset;
  return s->position;
}

int TiffClose(thandle_t) {
  return 0;
}
toff_t TiffSize(thandle_t h) {
  return static_cast<TiffStream*>(h)->size;
}
int TiffMap(thandle_t, tdata_t*, toff_t*) {
  return 0;
}
void TiffUnmap(thandle_t, tdata_t, toff_t) {}

void SilentTiffHandler(const char*, const char*, va_list) {}

struct TiffFile {
  TiffStream stream;
  TIFF* tiff = nullptr;
  TiffFile(const uint8_t* bytes, size_t size) : stream{bytes, size, 0} {
    TIFFSetErrorHandler(SilentTiffHandler);
    TIFFSetWarningHandler(SilentTiffHandler);
    tiff = TIFFClientOpen("memory", "rm", &stream, TiffRead, TiffWrite, TiffSeek, TiffClose,
                          TiffSize, TiffMap, TiffUnmap);
  }
  ~TiffFile() {
    if (tiff != nullptr) {
      TIFFClose(tiff);
    }
  }
  bool Size(uint32_t* width, uint32_t* height) {
    return tiff != nullptr && TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, width) == 1 &&
           TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, height) == 1 && SaneSize(*width, *height);
  }
};

bool DecodeTiff(const uint8_t* bytes, size_t size, ImageInfo* info, std::vector<uint32_t>* pixels) {
  TiffFile file(bytes, size);
  uint32_t width = 0;
  uint32_t height = 0;
  if (!file.Size(&width, &height)) {
    return false;
  }
  std::vector<uint32_t> abgr(static_cast<size_t>(width) * height);
  if (!TIFFReadRGBAImageOriented(file.tiff, width, height, abgr.data(), ORIENTATION_TOPLEFT, 0)) {
    return false;
  }
  info->format = ImageFormat::Tiff;
  info->width = static_cast<int32_t>(width);
  info->height = static_cast<int32_t>(height);
  pixels->resize(abgr.size());
  for (size_t i = 0; i < abgr.size(); ++i) {
    const uint32_t p = abgr[i];
    // libtiff hands out associated alpha, which is the premultiplied form.
    (*pixels)[i] = (TIFFGetA(p) << 24) | (TIFFGetR(p) << 16) | (TIFFGetG(p) << 8) | TIFFGetB(p);
  }
  return true;
}

// A JPEG's size, and its pixels when asked for.
bool ReadJpegImage(const uint8_t* bytes, size_t size, ImageInfo* info,
                   std::vector<uint32_t>* pixels) {
  int32_t width = 0;
  int32_t height = 0;
  if (!ReadJpeg(bytes, size, &width, &height, pixels)) {
    return false;
  }
  *info = {ImageFormat::Jpeg, width, height};
  return true;
}

} // namespace

bool ReadImageInfo(const uint8_t* bytes, size_t size, ImageInfo* info) {
  *info = {};
  switch (SniffImageFormat(bytes, size)) {
  case ImageFormat::Png: {
    png_image image;
    const bool ok = PngInfo(bytes, size, &image);
    if (ok) {
      *info = {ImageFormat::Png, static_cast<int32_t>(image.width),
               static_cast<int32_t>(image.height)};
    }
    png_image_free(&image);
    return ok;
  }
  case ImageFormat::Tiff: {
    TiffFile file(bytes, size);
    uint32_t width = 0;
    uint32_t height = 0;
    if (!file.Size(&width, &height)) {
      return false;
    }
    *info = {ImageFormat::Tiff, static_cast<int32_t>(width), static_cast<int32_t>(height)};
    return true;
  }
  case ImageFormat::Jpeg:
    return ReadJpegImage(bytes, size, info, nullptr);
  case ImageFormat::Bmp:
  case ImageFormat::Unknown:
    break;
  }
  return false;
}

bool DecodeImage(const uint8_t* bytes, size_t size, ImageInfo* info,
                 std::vector<uint32_t>* pixels) {
  *info = {};
  switch (SniffImageFormat(bytes, size)) {
  case ImageFormat::Png:
    return DecodePng(bytes, size, info, pixels);
  case ImageFormat::Tiff:
    return DecodeTiff(bytes, size, info, pixels);
  case ImageFormat::Jpeg:
    return ReadJpegImage(bytes, size, info, pixels);
  case ImageFormat::Bmp:
  case ImageFormat::Unknown:
    break;
  }
  return false;
}

} // namespace zvhost
