#include "tests/photos/TestPhotos.h"

#include <stdio.h>
#include <stdlib.h>

#include <cmath>
#include <fstream>
#include <iterator>
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

// The scene at width x height, row by row.
class Scene {
public:
  Scene(int32_t width, int32_t height, uint32_t seed) : fHeight(height), fSeed(seed) {
    // A sky-to-ground light, tinted by the seed, with a dozen discs in front of it.
    for (int c = 0; c < 3; ++c) {
      fTint[c] = double(Hash(seed + uint32_t(c)) % 90);
    }
    for (uint32_t i = 0; i < 12; ++i) {
      const uint32_t h = Hash(seed * 131 + i);
      fDiscs.push_back(
          Disc{double(h % uint32_t(width)),
               double((h >> 8) % uint32_t(height)),
               double(width) / 30 + double((h >> 16) % uint32_t(width / 8 + 1)),
               {double(Hash(h) % 256), double(Hash(h + 1) % 256), double(Hash(h + 2) % 256)}});
    }
  }

  // Row `y` of an image `scale` times smaller than the scene, as RGB bytes.
  void Row(int32_t y, int32_t width, double scale, uint8_t* row) const {
    const double sy = y * scale;
    const double t = sy / fHeight;
    for (int32_t x = 0; x < width; ++x) {
      const double sx = x * scale;
      double rgb[3] = {70 + 120 * t + fTint[0], 110 + 60 * t + fTint[1], 190 - 90 * t + fTint[2]};
      for (const Disc& d : fDiscs) {
        const double dx = sx - d.x;
        const double dy = sy - d.y;
        if (dx * dx + dy * dy < d.r * d.r) {
          const double shade = 0.75 + 0.25 * std::sin((dx + dy) / 23.0);
          for (int c = 0; c < 3; ++c) {
            rgb[c] = d.color[c] * shade;
          }
        }
      }
      // Grain: the fine detail that makes real photos costly to decode.
      const double grain = double(Hash(uint32_t(y) * 65537u + uint32_t(x) + fSeed) % 41) - 20;
      for (int c = 0; c < 3; ++c) {
        row[size_t(x) * 3 + size_t(c)] = Clamp(rgb[c] + grain);
      }
    }
  }

private:
  int32_t fHeight;
  uint32_t fSeed;
  double fTint[3];
  std::vector<Disc> fDiscs;
};

void StartCompress(jpeg_compress_struct* info, int32_t width, int32_t height, int quality) {
  info->image_width = static_cast<JDIMENSION>(width);
  info->image_height = static_cast<JDIMENSION>(height);
  info->input_components = 3;
  info->in_color_space = JCS_RGB;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, quality, TRUE);
  jpeg_start_compress(info, TRUE);
}

// The preview as a JPEG of its own.
std::vector<uint8_t> ThumbnailJpeg(const Scene& scene, int32_t photoWidth,
                                   const Thumbnail& thumbnail) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  StartCompress(&info, thumbnail.fWidth, thumbnail.fHeight, 80);
  std::vector<uint8_t> row(size_t(thumbnail.fWidth) * 3);
  for (int32_t y = 0; y < thumbnail.fHeight; ++y) {
    if (thumbnail.fMarkColor != 0) {
      for (int32_t x = 0; x < thumbnail.fWidth; ++x) {
        row[size_t(x) * 3] = uint8_t(thumbnail.fMarkColor >> 16);
        row[size_t(x) * 3 + 1] = uint8_t(thumbnail.fMarkColor >> 8);
        row[size_t(x) * 3 + 2] = uint8_t(thumbnail.fMarkColor);
      }
    } else {
      scene.Row(y, thumbnail.fWidth, double(photoWidth) / thumbnail.fWidth, row.data());
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  free(buffer);
  return bytes;
}

void Put16(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(uint8_t(v));
  out->push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// An EXIF block as cameras write it: a little-endian TIFF structure whose first directory is
// empty here and whose second describes the JPEG preview that follows it.
std::vector<uint8_t> ExifBlock(const std::vector<uint8_t>& preview) {
  std::vector<uint8_t> block = {'E', 'x', 'i', 'f', 0, 0};
  std::vector<uint8_t> tiff = {'I', 'I'};
  Put16(&tiff, 42);
  Put32(&tiff, 8); // first directory
  Put16(&tiff, 0);
  Put32(&tiff, 14); // second directory
  const uint32_t previewAt = 14 + 2 + 3 * 12 + 4;
  Put16(&tiff, 3);
  const uint32_t entries[3][3] = {{0x0103, 3, 6}, {0x0201, 4, previewAt}, {0x0202, 4, 0}};
  for (const auto& entry : entries) {
    Put16(&tiff, entry[0]);
    Put16(&tiff, entry[1]);
    Put32(&tiff, 1);
    Put32(&tiff, entry[0] == 0x0202 ? uint32_t(preview.size()) : entry[2]);
  }
  Put32(&tiff, 0);
  tiff.insert(tiff.end(), preview.begin(), preview.end());
  block.insert(block.end(), tiff.begin(), tiff.end());
  return block;
}

} // namespace

bool WritePhoto(const std::string& path, int32_t width, int32_t height, uint32_t seed,
                const Thumbnail& thumbnail) {
  const Scene scene(width, height, seed);
  std::vector<uint8_t> exif;
  if (thumbnail.fWidth > 0 && thumbnail.fHeight > 0) {
    exif = ExifBlock(ThumbnailJpeg(scene, width, thumbnail));
    if (exif.size() > 65533) {
      return false; // more than one marker segment holds
    }
  }
  FILE* file = fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  StartCompress(&info, width, height, 90);
  if (!exif.empty()) {
    jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), static_cast<unsigned int>(exif.size()));
  }
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  for (int32_t y = 0; y < height; ++y) {
    scene.Row(y, width, 1, row.data());
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return fclose(file) == 0;
}

bool CopyWithThumbnail(const std::string& from, const std::string& to, int32_t width,
                       int32_t height, uint32_t seed, const Thumbnail& thumbnail) {
  std::ifstream in(from, std::ios::binary);
  const std::vector<uint8_t> photo((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  const std::vector<uint8_t> exif =
      ExifBlock(ThumbnailJpeg(Scene(width, height, seed), width, thumbnail));
  if (photo.size() < 4 || photo[0] != 0xFF || photo[1] != 0xD8 || exif.size() > 65533) {
    return false;
  }
  const size_t length = exif.size() + 2;
  std::vector<uint8_t> out = {0xFF, 0xD8, 0xFF, 0xE1, uint8_t(length >> 8), uint8_t(length)};
  out.insert(out.end(), exif.begin(), exif.end());
  out.insert(out.end(), photo.begin() + 2, photo.end());
  std::ofstream file(to, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  return bool(file);
}

} // namespace testphotos
