#include <new>

#include "gfx/Bitmap.h"
#include "gfx/ImageEncoding.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

struct PngSink {
  std::vector<uint8_t>* fBytes;
  bool fOutOfMemory = false;
};

cairo_status_t WritePng(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<PngSink*>(closure);
  try {
    sink->fBytes->insert(sink->fBytes->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    sink->fOutOfMemory = true;
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

} // namespace

Status EncodePng(const Bitmap& bitmap, std::vector<uint8_t>* bytes) {
  PngSink sink{bytes};
  cairo_status_t status = cairo_surface_write_to_png_stream(CairoSurface(&bitmap), WritePng, &sink);
  if (status == CAIRO_STATUS_SUCCESS) {
    return Status::Ok;
  }
  bytes->clear();
  return sink.fOutOfMemory || status == CAIRO_STATUS_NO_MEMORY ? Status::OutOfMemory
                                                               : Status::EncoderFailed;
}

} // namespace gfx
