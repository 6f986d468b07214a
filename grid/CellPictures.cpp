#include "grid/CellPictures.h"

#include <string.h>

#include <new>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"

FDNativeImage* NewOwnedImage(int32_t width, int32_t height) {
  if (width < 1 || height < 1 || int64_t{width} * height > INT32_MAX / 4) {
    return nullptr;
  }
  auto* image = new (std::nothrow) FDNativeImage{width, height, width * 4, nullptr};
  if (image == nullptr) {
    return nullptr;
  }
  image->fPixels = new (std::nothrow) uint32_t[size_t(width) * size_t(height)]();
  if (image->fPixels == nullptr) {
    delete image;
    return nullptr;
  }
  return image;
}

void DeleteOwnedImage(FDNativeImage* image) {
  if (image != nullptr) {
    delete[] image->fPixels;
    delete image;
  }
}

FDNativeImage* ScaledImageCopy(const FDNativeImage& image, int32_t width, int32_t height) {
  FDNativeImage* copy = NewOwnedImage(width, height);
  if (copy == nullptr) {
    return nullptr;
  }
  bool drawn = false;
  {
    gfx::Bitmap source(&image, false);
    gfx::Bitmap target(width, height, copy->fRowBytes, gfx::PixelFormat32bppPARGB,
                       reinterpret_cast<uint8_t*>(copy->fPixels));
    if (source.GetLastStatus() == gfx::Status::Ok && target.GetLastStatus() == gfx::Status::Ok) {
      gfx::Graphics graphics(&target);
      graphics.SetInterpolationMode(gfx::InterpolationModeHighQualityBicubic);
      drawn = graphics.DrawImage(&source, gfx::RectF(0, 0, float(width), float(height))) ==
              gfx::Status::Ok;
      graphics.Flush();
    }
  }
  if (!drawn) {
    DeleteOwnedImage(copy);
    return nullptr;
  }
  return copy;
}

FDNativeImage* ImagePartCopy(const FDNativeImage& image, int32_t x, int32_t y, int32_t width,
                             int32_t height) {
  FDNativeImage* copy = NewOwnedImage(width, height);
  if (copy == nullptr) {
    return nullptr;
  }
  const auto* from = reinterpret_cast<const uint8_t*>(image.fPixels);
  for (int32_t row = 0; row < height; ++row) {
    memcpy(copy->fPixels + size_t(row) * size_t(width),
           from + size_t(y + row) * size_t(image.fRowBytes) + size_t(x) * 4, size_t(width) * 4);
  }
  return copy;
}
