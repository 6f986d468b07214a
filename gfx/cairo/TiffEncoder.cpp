#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <tiffio.h>

#include <algorithm>
#include <memory>
#include <new>

#include "gfx/Bitmap.h"
#include "gfx/ImageEncoding.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

// A growable in-memory file that the TIFF writer seeks and writes in.
struct TiffSink {
  std::vector<uint8_t>* fBytes;
  size_t fPos = 0;
  bool fOutOfMemory = false;
};

tmsize_t SinkRead(thandle_t handle, void* buffer, tmsize_t size) {
  auto* sink = static_cast<TiffSink*>(handle);
  if (size < 0 || sink->fPos > sink->fBytes->size()) {
    return 0;
  }
  size_t count = std::min(size_t(size), sink->fBytes->size() - sink->fPos);
  memcpy(buffer, sink->fBytes->data() + sink->fPos, count);
  sink->fPos += count;
  return tmsize_t(count);
}

tmsize_t SinkWrite(thandle_t handle, void* buffer, tmsize_t size) {
  auto* sink = static_cast<TiffSink*>(handle);
  if (size < 0) {
    return -1;
  }
  try {
    if (sink->fPos + size_t(size) > sink->fBytes->size()) {
      sink->fBytes->resize(sink->fPos + size_t(size));
    }
  } catch (const std::bad_alloc&) {
    sink->fOutOfMemory = true;
    return -1;
  }
  memcpy(sink->fBytes->data() + sink->fPos, buffer, size_t(size));
  sink->fPos += size_t(size);
  return size;
}

toff_t SinkSeek(thandle_t handle, toff_t offset, int whence) {
  auto* sink = static_cast<TiffSink*>(handle);
  size_t base = whence == SEEK_CUR ? sink->fPos : whence == SEEK_END ? sink->fBytes->size() : 0;
  sink->fPos = base + size_t(offset);
  return toff_t(sink->fPos);
}

int SinkClose(thandle_t) {
  return 0;
}

toff_t SinkSize(thandle_t handle) {
  return toff_t(static_cast<TiffSink*>(handle)->fBytes->size());
}

int SinkMap(thandle_t, void**, toff_t*) {
  return 0; // not mappable: the writer falls back to reads
}

void SinkUnmap(thandle_t, void*, toff_t) {}

// Messages stay quiet; a failure shows in the return values.
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

struct TiffCloser {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct OptionsDeleter {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// One row as 8-bit RGB or straight RGBA samples.
void ConvertRow(const uint8_t* source, int32_t width, bool opaque, uint8_t* row) {
  for (int32_t x = 0; x < width; ++x) {
    uint32_t pixel;
    memcpy(&pixel, source + size_t(x) * 4, 4);
    uint32_t a = opaque ? 255 : pixel >> 24;
    uint32_t c[3] = {pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF};
    for (uint32_t& v : c) {
      v = a == 0 ? 0 : a == 255 ? v : std::min<uint32_t>(255, (v * 255 + a / 2) / a);
    }
    uint8_t* out = row + size_t(x) * (opaque ? 3 : 4);
    out[0] = uint8_t(c[0]);
    out[1] = uint8_t(c[1]);
    out[2] = uint8_t(c[2]);
    if (!opaque) {
      out[3] = uint8_t(a);
    }
  }
}

bool WriteHeader(TIFF* tiff, int32_t width, int32_t height, bool opaque) {
  uint16_t samples = opaque ? 3 : 4;
  bool ok = TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(width)) &&
            TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(height)) &&
            TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) &&
            TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples) &&
            TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
            TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
            TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
            TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW) &&
            TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
  if (ok && !opaque) {
    uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    ok = TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &extra);
  }
  return ok;
}

} // namespace

Status EncodeTiff(const Bitmap& bitmap, std::vector<uint8_t>* bytes) {
  cairo_surface_t* surface = CairoSurface(&bitmap);
  cairo_surface_flush(surface);
  int32_t width = bitmap.GetWidth(), height = bitmap.GetHeight();
  bool opaque = bitmap.GetPixelFormat() == PixelFormat32bppRGB;
  const uint8_t* pixels = cairo_image_surface_get_data(surface);
  int32_t stride = cairo_image_surface_get_stride(surface);

  std::unique_ptr<uint8_t[]> row(new (std::nothrow) uint8_t[size_t(width) * 4]);
  std::unique_ptr<TIFFOpenOptions, OptionsDeleter> options(TIFFOpenOptionsAlloc());
  if (!row || !options) {
    return Status::OutOfMemory;
  }
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), Quiet, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), Quiet, nullptr);

  TiffSink sink{bytes};
  {
    std::unique_ptr<TIFF, TiffCloser> tiff(
        TIFFClientOpenExt("memory", "w", &sink, SinkRead, SinkWrite, SinkSeek, SinkClose, SinkSize,
                          SinkMap, SinkUnmap, options.get()));
    bool ok = tiff && WriteHeader(tiff.get(), width, height, opaque);
    for (int32_t y = 0; ok && y < height; ++y) {
      ConvertRow(pixels + size_t(y) * stride, width, opaque, row.get());
      ok = TIFFWriteScanline(tiff.get(), row.get(), uint32_t(y), 0) == 1;
    }
    ok = ok && TIFFWriteDirectory(tiff.get());
    if (!ok) {
      bytes->clear();
      return sink.fOutOfMemory ? Status::OutOfMemory : Status::EncoderFailed;
    }
  }
  if (sink.fOutOfMemory) {
    bytes->clear();
    return Status::OutOfMemory;
  }
  return Status::Ok;
}

} // namespace gfx
