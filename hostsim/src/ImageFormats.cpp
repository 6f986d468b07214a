// Which encoded format a picture's first bytes announce, alike on every platform.
#include <cstring>

#include "ImageCodecs.h"
#include "JpegCodec.h"

namespace zvhost {

bool IsJpeg(const uint8_t* bytes, size_t size) {
  return bytes != nullptr && size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

ImageFormat SniffImageFormat(const uint8_t* bytes, size_t size) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes == nullptr) {
    return ImageFormat::Unknown;
  }
  if (size >= 8 && std::memcmp(bytes, kPng, 8) == 0) {
    return ImageFormat::Png;
  }
  if (size >= 4 && ((bytes[0] == 'I' && bytes[1] == 'I' && bytes[2] == 42 && bytes[3] == 0) ||
                    (bytes[0] == 'M' && bytes[1] == 'M' && bytes[2] == 0 && bytes[3] == 42))) {
    return ImageFormat::Tiff;
  }
  if (IsJpeg(bytes, size)) {
    return ImageFormat::Jpeg;
  }
  if (size >= 26 && bytes[0] == 'B' && bytes[1] == 'M') {
    return ImageFormat::Bmp;
  }
  return ImageFormat::Unknown;
}

} // namespace zvhost
