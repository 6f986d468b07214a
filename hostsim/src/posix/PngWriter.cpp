#include <png.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ImageCodecs.h"

namespace zvhost {

bool WritePngFile(const char* path, const uint32_t* pixels, int32_t width, int32_t height) {
  if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0) {
    return false;
  }
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<uint8_t> rgba(count * 4);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = pixels[i];
    const uint32_t a = p >> 24;
    auto straight = [a](uint32_t c) {
      return static_cast<uint8_t>(a == 0 ? 0 : std::min<uint32_t>(255, (c * 255 + a / 2) / a));
    };
    rgba[i * 4] = straight((p >> 16) & 0xFF);
    rgba[i * 4 + 1] = straight((p >> 8) & 0xFF);
    rgba[i * 4 + 2] = straight(p & 0xFF);
    rgba[i * 4 + 3] = static_cast<uint8_t>(a);
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  const int written = png_image_write_to_file(&image, path, 0, rgba.data(), 0, nullptr);
  png_image_free(&image);
  return written != 0;
}

} // namespace zvhost
