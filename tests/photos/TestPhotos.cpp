#include "tests/photos/TestPhotos.h"

#include <stdio.h>

#include <cmath>
#include <vector>

#include <jpeglib.h>

namespace testphotos {

namespace {

uint32_t Hash(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

uint8_t Clamp(double v) {
  return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

struct Disc {
  double x, y, r;
  double color[3];
};

} // namespace

bool WritePhoto(const std::string& path, int32_t width, int32_t height, uint32_t seed) {
  FILE* file = fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  // A sky-to-ground light, tinted by the seed, with a dozen discs in front of it.
  const double tint[3] = {double(Hash(seed) % 90), double(Hash(seed + 1) % 90),
                          double(Hash(seed + 2) % 90)};
  std::vector<Disc> discs;
  for (uint32_t i = 0; i < 12; ++i) {
    const uint32_t h = Hash(seed * 131 + i);
    discs.push_back(
        Disc{double(h % uint32_t(width)),
             double((h >> 8) % uint32_t(height)),
             double(width) / 30 + double((h >> 16) % uint32_t(width / 8 + 1)),
             {double(Hash(h) % 256), double(Hash(h + 1) % 256), double(Hash(h + 2) % 256)}});
  }
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  for (int32_t y = 0; y < height; ++y) {
    const double t = double(y) / height;
    for (int32_t x = 0; x < width; ++x) {
      double rgb[3] = {70 + 120 * t + tint[0], 110 + 60 * t + tint[1], 190 - 90 * t + tint[2]};
      for (const Disc& d : discs) {
        const double dx = x - d.x;
        const double dy = y - d.y;
        if (dx * dx + dy * dy < d.r * d.r) {
          const double shade = 0.75 + 0.25 * std::sin((dx + dy) / 23.0);
          for (int c = 0; c < 3; ++c) {
            rgb[c] = d.color[c] * shade;
          }
        }
      }
      // Grain: the fine detail that makes real photos costly to decode.
      const double grain = double(Hash(uint32_t(y) * 65537u + uint32_t(x) + seed) % 41) - 20;
      for (int c = 0; c < 3; ++c) {
        row[size_t(x) * 3 + size_t(c)] = Clamp(rgb[c] + grain);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return fclose(file) == 0;
}

} // namespace testphotos
