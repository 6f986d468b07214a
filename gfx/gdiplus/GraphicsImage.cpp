// Drawing bitmaps.
#include <algorithm>
#include <cmath>

#include "gfx/Graphics.h"
#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

Gdiplus::InterpolationMode NativeInterpolation(InterpolationMode mode) {
  switch (mode) {
  case InterpolationModeNearestNeighbor:
    return Gdiplus::InterpolationModeNearestNeighbor;
  case InterpolationModeHighQuality:
  case InterpolationModeBicubic:
  case InterpolationModeHighQualityBilinear:
  case InterpolationModeHighQualityBicubic:
    return Gdiplus::InterpolationModeHighQualityBicubic;
  default:
    return Gdiplus::InterpolationModeBilinear;
  }
}

} // namespace

Status Graphics::DrawImage(Bitmap* image, float x, float y) {
  if (!GdiplusBitmap(image)) {
    return Status::InvalidParameter;
  }
  float width = float(image->GetWidth()), height = float(image->GetHeight());
  return DrawImage(image, RectF(x, y, width, height), 0, 0, width, height, UnitPixel);
}

Status Graphics::DrawImage(Bitmap* image, const RectF& dest) {
  if (!GdiplusBitmap(image)) {
    return Status::InvalidParameter;
  }
  return DrawImage(image, dest, 0, 0, float(image->GetWidth()), float(image->GetHeight()),
                   UnitPixel);
}

Status Graphics::DrawImage(Bitmap* image, const RectF& dest, float srcX, float srcY, float srcWidth,
                           float srcHeight, Unit srcUnit) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  float values[] = {dest.X, dest.Y, dest.Width, dest.Height, srcX, srcY, srcWidth, srcHeight};
  for (float v : values) {
    if (!std::isfinite(v)) {
      return Status::InvalidParameter;
    }
  }
  if (!GdiplusBitmap(image) || srcUnit != UnitPixel || srcWidth <= 0 || srcHeight <= 0) {
    return Status::InvalidParameter;
  }
  if (dest.Width == 0 || dest.Height == 0) {
    return Status::Ok;
  }

  // Only the part of the source inside the image is drawn, into the matching part of dest.
  float kx = dest.Width / srcWidth, ky = dest.Height / srcHeight;
  float x0 = std::max(srcX, 0.0f), y0 = std::max(srcY, 0.0f);
  float x1 = std::min(srcX + srcWidth, float(image->GetWidth()));
  float y1 = std::min(srcY + srcHeight, float(image->GetHeight()));
  if (x1 <= x0 || y1 <= y0) {
    return Status::Ok;
  }
  Gdiplus::RectF target(dest.X + (x0 - srcX) * kx, dest.Y + (y0 - srcY) * ky, (x1 - x0) * kx,
                        (y1 - y0) * ky);
  Gdiplus::Graphics* graphics = fNative->fGraphics.get();
  const Gdiplus::InterpolationMode before = graphics->GetInterpolationMode();
  graphics->SetInterpolationMode(NativeInterpolation(fModes.fInterpolation));
  // Edge pixels repeat outwards rather than fading into the transparent outside.
  Gdiplus::ImageAttributes attributes;
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  Gdiplus::Status drawn = graphics->DrawImage(GdiplusBitmap(image), target, x0, y0, x1 - x0,
                                              y1 - y0, Gdiplus::UnitPixel, &attributes);
  graphics->SetInterpolationMode(before);
  return StatusOf(drawn);
}

} // namespace gfx
