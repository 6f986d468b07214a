// Decoding of the encoded picture formats the host accepts (PNG, TIFF, JPEG; BMP on Windows) into
// 32-bit premultiplied ARGB pixels in native byte order, rows top down.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

namespace zvhost {

enum class ImageFormat { Unknown, Png, Tiff, Jpeg, Bmp };

struct ImageInfo {
  ImageFormat format = ImageFormat::Unknown;
  int32_t width = 0;
  int32_t height = 0;
};

ImageFormat SniffImageFormat(const uint8_t* bytes, size_t size);
// Reads the header only; false when the bytes are not a picture this host reads.
bool ReadImageInfo(const uint8_t* bytes, size_t size, ImageInfo* info);
// Decodes every pixel; false on any decoding failure.
bool DecodeImage(const uint8_t* bytes, size_t size, ImageInfo* info, std::vector<uint32_t>* pixels);
// Writes premultiplied ARGB pixels (rows top down, `width` apart) as a PNG file; false when the
// file cannot be written.
bool WritePngFile(const char* path, const uint32_t* pixels, int32_t width, int32_t height);

} // namespace zvhost
