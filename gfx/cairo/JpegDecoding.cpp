#include "gfx/JpegDecoding.h"

#include <stdio.h>
#include <string.h>

#include <csetjmp>

#include <jpeglib.h>

namespace gfx {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// The library's errors end the decoding; nothing is printed.
void Escape(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void Quiet(j_common_ptr, int) {}

struct Decompressor {
  jpeg_decompress_struct info;
  ErrorManager errors;
};

} // namespace

bool ReadJpegSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height) {
  if (!IsJpegData(bytes, size)) {
    return false;
  }
  Decompressor d;
  d.info.err = jpeg_std_error(&d.errors.base);
  d.errors.base.error_exit = Escape;
  d.errors.base.emit_message = Quiet;
  jpeg_create_decompress(&d.info);
  if (setjmp(d.errors.escape) != 0) {
    jpeg_destroy_decompress(&d.info);
    return false;
  }
  jpeg_mem_src(&d.info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&d.info, TRUE);
  const uint64_t count = uint64_t{d.info.image_width} * d.info.image_height;
  *width = static_cast<int32_t>(d.info.image_width);
  *height = static_cast<int32_t>(d.info.image_height);
  jpeg_destroy_decompress(&d.info);
  return count > 0 && count <= kMaxJpegPixels;
}

bool DecodeJpeg(const uint8_t* bytes, size_t size, int denominator, JpegPixels* out) {
  out->fPixels.Reset();
  if (!IsJpegData(bytes, size)) {
    return false;
  }
  Decompressor d;
  d.info.err = jpeg_std_error(&d.errors.base);
  d.errors.base.error_exit = Escape;
  d.errors.base.emit_message = Quiet;
  jpeg_create_decompress(&d.info);
  // `out` lives outside this frame, so what it holds is certain after the jump.
  if (setjmp(d.errors.escape) != 0) {
    jpeg_destroy_decompress(&d.info);
    out->fPixels.Reset();
    return false;
  }
  jpeg_mem_src(&d.info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&d.info, TRUE);
  const uint64_t count = uint64_t{d.info.image_width} * d.info.image_height;
  if (count == 0 || count > kMaxJpegPixels) {
    jpeg_destroy_decompress(&d.info);
    return false;
  }
  d.info.scale_num = 1;
  d.info.scale_denom = denominator == 2 || denominator == 4 || denominator == 8 ? denominator : 1;
  // Written straight into the pixels: in memory the native 0xAARRGGBB word is B, G, R, A on a
  // little-endian machine; the library sets the alpha byte to 0xFF.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  d.info.out_color_space = JCS_EXT_BGRA;
#else
  d.info.out_color_space = JCS_EXT_ARGB;
#endif
  jpeg_start_decompress(&d.info);
  const size_t rowPixels = d.info.output_width;
  // Every row is written by the decoder: no need to clear them first.
  if (!out->fPixels.Allocate(rowPixels * d.info.output_height * 4)) {
    jpeg_destroy_decompress(&d.info);
    return false;
  }
  while (d.info.output_scanline < d.info.output_height) {
    JSAMPROW rows[1] = {
        reinterpret_cast<JSAMPROW>(out->GetPixels() + size_t{d.info.output_scanline} * rowPixels)};
    jpeg_read_scanlines(&d.info, rows, 1);
  }
  out->fWidth = static_cast<int32_t>(d.info.output_width);
  out->fHeight = static_cast<int32_t>(d.info.output_height);
  jpeg_finish_decompress(&d.info);
  jpeg_destroy_decompress(&d.info);
  return true;
}

} // namespace gfx
