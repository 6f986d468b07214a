#include "SizedImages.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "JpegCodec.h"
#include "ObjectStore.h"
#include "Pictures.h"

namespace zvhost {

namespace {

// Every pixel is written before it is read, so buffers are never cleared first: clearing each
// image handed out cost a fifth of a scroll step of small cells.
struct SizedPixels {
  int32_t width = 0;
  int32_t height = 0;
  std::unique_ptr<uint32_t[]> pixels;

  size_t Count() const { return size_t(width) * size_t(height); }
};

std::unique_ptr<uint32_t[]> UnclearedPixels(size_t count) {
  return std::make_unique_for_overwrite<uint32_t[]>(count);
}

// A few screens' worth of cells: enough for redraws and scrolling back, small beside a cache of
// full photos.
constexpr size_t kKeptEntries = 256;
constexpr size_t kKeptBytes = size_t{32} << 20;

struct KeptImage {
  std::weak_ptr<const PictureData> picture; // the key: gone with the picture's last copy
  int32_t askedWidth = 0;
  int32_t askedHeight = 0;
  std::shared_ptr<const SizedPixels> image;
  uint64_t lastUse = 0;
};

struct Kept {
  std::vector<KeptImage> entries;
  size_t bytes = 0;
  uint64_t clock = 0;
};

Kept& KeptImages() {
  static Kept kept;
  return kept;
}

size_t BytesOf(const SizedPixels& image) {
  return image.Count() * sizeof(uint32_t);
}

std::shared_ptr<const SizedPixels> FindKept(const std::shared_ptr<const PictureData>& picture,
                                            int32_t width, int32_t height) {
  Kept& kept = KeptImages();
  for (KeptImage& entry : kept.entries) {
    if (entry.askedWidth == width && entry.askedHeight == height &&
        entry.picture.lock() == picture) {
      entry.lastUse = ++kept.clock;
      return entry.image;
    }
  }
  return nullptr;
}

void Keep(const std::shared_ptr<const PictureData>& picture, int32_t width, int32_t height,
          std::shared_ptr<const SizedPixels> image) {
  Kept& kept = KeptImages();
  const size_t bytes = BytesOf(*image);
  if (bytes > kKeptBytes) {
    return;
  }
  // Entries of pictures that are gone are dropped first, then the least recently used.
  std::erase_if(kept.entries, [&kept](const KeptImage& entry) {
    if (!entry.picture.expired()) {
      return false;
    }
    kept.bytes -= BytesOf(*entry.image);
    return true;
  });
  while (!kept.entries.empty() &&
         (kept.entries.size() >= kKeptEntries || kept.bytes + bytes > kKeptBytes)) {
    auto oldest = std::min_element(
        kept.entries.begin(), kept.entries.end(),
        [](const KeptImage& a, const KeptImage& b) { return a.lastUse < b.lastUse; });
    kept.bytes -= BytesOf(*oldest->image);
    kept.entries.erase(oldest);
  }
  kept.entries.push_back(KeptImage{picture, width, height, std::move(image), ++kept.clock});
  kept.bytes += bytes;
}

// The largest of libjpeg's cheap fractions whose result still covers the size on both axes.
int JpegDenominator(const ImageInfo& info, int32_t width, int32_t height) {
  for (int denominator : {8, 4, 2}) {
    if ((info.width + denominator - 1) / denominator >= width &&
        (info.height + denominator - 1) / denominator >= height) {
      return denominator;
    }
  }
  return 1;
}

// Each target pixel is the average of the source pixels under it (premultiplied, so colours
// and coverage average alike).
SizedPixels Reduce(const std::vector<uint32_t>& source, int32_t sourceWidth, int32_t sourceHeight,
                   int32_t width, int32_t height) {
  SizedPixels result{width, height, UnclearedPixels(size_t(width) * size_t(height))};
  std::vector<int32_t> columns(size_t(width) + 1);
  for (int32_t x = 0; x <= width; ++x) {
    columns[size_t(x)] = int32_t(int64_t{x} * sourceWidth / width);
  }
  for (int32_t y = 0; y < height; ++y) {
    const int32_t top = int32_t(int64_t{y} * sourceHeight / height);
    const int32_t bottom = std::max(top + 1, int32_t(int64_t{y + 1} * sourceHeight / height));
    for (int32_t x = 0; x < width; ++x) {
      const int32_t left = columns[size_t(x)];
      const int32_t right = std::max(left + 1, columns[size_t(x) + 1]);
      uint64_t sum[4] = {};
      for (int32_t sy = top; sy < bottom; ++sy) {
        const uint32_t* row = source.data() + size_t(sy) * size_t(sourceWidth);
        for (int32_t sx = left; sx < right; ++sx) {
          const uint32_t p = row[sx];
          sum[0] += p >> 24;
          sum[1] += (p >> 16) & 0xFF;
          sum[2] += (p >> 8) & 0xFF;
          sum[3] += p & 0xFF;
        }
      }
      const uint64_t n = uint64_t(bottom - top) * uint64_t(right - left);
      auto average = [n](uint64_t total) { return uint32_t((total + n / 2) / n); };
      result.pixels[size_t(y) * size_t(width) + size_t(x)] =
          (average(sum[0]) << 24) | (average(sum[1]) << 16) | (average(sum[2]) << 8) |
          average(sum[3]);
    }
  }
  return result;
}

std::shared_ptr<const SizedPixels> Decode(const PictureData& data, int32_t width, int32_t height) {
  std::vector<uint32_t> pixels;
  ImageInfo info;
  if (data.fInfo.format == ImageFormat::Jpeg) {
    info = data.fInfo;
    if (!ReadJpeg(data.fBytes.data(), data.fBytes.size(), &info.width, &info.height, &pixels,
                  JpegDenominator(data.fInfo, width, height))) {
      return nullptr;
    }
  } else if (!DecodeImage(data.fBytes.data(), data.fBytes.size(), &info, &pixels)) {
    return nullptr;
  }
  width = std::min(width, info.width);
  height = std::min(height, info.height);
  if (width == info.width && height == info.height) {
    SizedPixels whole{width, height, UnclearedPixels(pixels.size())};
    std::copy(pixels.begin(), pixels.end(), whole.pixels.get());
    return std::make_shared<const SizedPixels>(std::move(whole));
  }
  return std::make_shared<const SizedPixels>(
      Reduce(pixels, info.width, info.height, width, height));
}

} // namespace

int CreateNativeImageForSize(FDPicture picture, int32_t width, int32_t height,
                             FDNativeImage** out) {
  *out = nullptr;
  if (!IsPicture(picture) || width < 1 || height < 1) {
    return kFDErrBadParameter;
  }
  const std::shared_ptr<const PictureData>& data = picture->fData;
  std::shared_ptr<const SizedPixels> image = FindKept(data, width, height);
  if (image == nullptr) {
    image = Decode(*data, width, height);
    if (image == nullptr) {
      return kFDErrBadParameter;
    }
    Keep(data, width, height, image);
  }
  auto native = std::make_unique<FDNativeImage>(
      FDNativeImage{image->width, image->height, image->width * 4, nullptr});
  auto buffer = UnclearedPixels(image->Count());
  std::copy_n(image->pixels.get(), image->Count(), buffer.get());
  native->fPixels = buffer.release();
  *out = native.release();
  Objects().AddNativeImage(*out);
  return kFDErrNone;
}

void ClearSizedImages() {
  KeptImages() = Kept{};
}

} // namespace zvhost
