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

bool IsJpeg(const uint8_t* bytes, size_t size) {
  return bytes != nullptr && size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

bool ReadJpeg(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height,
              std::vector<uint32_t>* pixels) {
  if (!IsJpeg(bytes, size)) {
    return false;
  }
  // Everything with a destructor lives outside the part the library may jump out of.
  std::vector<uint8_t> row;
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
  *width = static_cast<int32_t>(info.image_width);
  *height = static_cast<int32_t>(info.image_height);
  if (pixels == nullptr) {
    jpeg_destroy_decompress(&info);
    return true;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  row.resize(static_cast<size_t>(info.output_width) * 3);
  pixels->assign(static_cast<size_t>(count), 0);
  while (info.output_scanline < info.output_height) {
    const size_t y = info.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (size_t x = 0; x < info.output_width; ++x) {
      const uint8_t* p = &row[x * 3];
      (*pixels)[y * info.output_width + x] =
          0xFF000000u | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

} // namespace zvhost
