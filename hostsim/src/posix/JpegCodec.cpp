#include "JpegCodec.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zvhost {

namespace {

// Pictures larger than this are refused rather than decoded, as for the other formats.
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// The library's errors end the decoding; nothing is printed.
void Escape(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void Quiet(j_common_ptr, int) {}

} // namespace

bool ReadJpeg(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height,
              std::vector<uint32_t>* pixels, int denominator) {
  if (!IsJpeg(bytes, size)) {
    return false;
  }
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Escape;
  errors.base.emit_message = Quiet;
  jpeg_create_decompress(&info);
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  const uint64_t count = uint64_t{info.image_width} * info.image_height;
  if (count == 0 || count > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  if (pixels == nullptr) {
    *width = static_cast<int32_t>(info.image_width);
    *height = static_cast<int32_t>(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
  }
  info.scale_num = 1;
  info.scale_denom = denominator == 2 || denominator == 4 || denominator == 8 ? denominator : 1;
  // Written straight into the pixels: in memory the native 0xAARRGGBB word is B, G, R, A on a
  // little-endian machine; the library sets the alpha byte to 0xFF.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  info.out_color_space = JCS_EXT_BGRA;
#else
  info.out_color_space = JCS_EXT_ARGB;
#endif
  jpeg_start_decompress(&info);
  const size_t rowPixels = info.output_width;
  pixels->assign(rowPixels * info.output_height, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {
        reinterpret_cast<JSAMPROW>(pixels->data() + size_t{info.output_scanline} * rowPixels)};
    jpeg_read_scanlines(&info, rows, 1);
  }
  *width = static_cast<int32_t>(info.output_width);
  *height = static_cast<int32_t>(info.output_height);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

} // namespace zvhost
