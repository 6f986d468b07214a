// Drawing bitmaps.
#include <algorithm>
#include <cmath>

#include "gfx/Graphics.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

cairo_filter_t FilterFor(InterpolationMode mode) {
  switch (mode) {
  case InterpolationModeNearestNeighbor:
    return CAIRO_FILTER_NEAREST;
  case InterpolationModeHighQuality:
  case InterpolationModeBicubic:
  case InterpolationModeHighQualityBilinear:
  case InterpolationModeHighQualityBicubic:
    return CAIRO_FILTER_GOOD;
  default:
    return CAIRO_FILTER_BILINEAR;
  }
}

// A private copy of part of a surface, for drawing a bitmap onto itself.
SurfacePtr CopyOf(cairo_surface_t* surface, int x, int y, int width, int height) {
  SurfacePtr copy(
      cairo_image_surface_create(cairo_image_surface_get_format(surface), width, height));
  CairoPtr cr(cairo_create(copy.get()));
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), surface, -x, -y);
  cairo_paint(cr.get());
  return copy;
}

} // namespace

Status Graphics::DrawImage(Bitmap* image, float x, float y) {
  if (!image || !CairoSurface(image)) {
    return Status::InvalidParameter;
  }
  float width = float(image->GetWidth()), height = float(image->GetHeight());
  return DrawImage(image, RectF(x, y, width, height), 0, 0, width, height, UnitPixel);
}

Status Graphics::DrawImage(Bitmap* image, const RectF& dest) {
  if (!image || !CairoSurface(image)) {
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
  if (!image || !CairoSurface(image) || srcUnit != UnitPixel || srcWidth <= 0 || srcHeight <= 0) {
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
  RectF target(dest.X + (x0 - srcX) * kx, dest.Y + (y0 - srcY) * ky, (x1 - x0) * kx,
               (y1 - y0) * ky);

  // Whole pixels around the source, so that edge padding repeats the source's own edge.
  int px = int(std::floor(x0)), py = int(std::floor(y0));
  int pw = int(std::ceil(x1)) - px, ph = int(std::ceil(y1)) - py;
  cairo_t* cr = fNative->fCairo.get();
  cairo_surface_t* whole = CairoSurface(image);
  cairo_surface_flush(whole);
  SurfacePtr part;
  if (whole == cairo_get_target(cr)) {
    part = CopyOf(whole, px, py, pw, ph);
  } else if (px != 0 || py != 0 || pw != image->GetWidth() || ph != image->GetHeight()) {
    part.reset(cairo_surface_create_for_rectangle(whole, px, py, pw, ph));
  }
  cairo_surface_t* source = part ? part.get() : whole;
  if (cairo_surface_status(source) != CAIRO_STATUS_SUCCESS) {
    return Status::OutOfMemory;
  }

  PatternPtr pattern(cairo_pattern_create_for_surface(source));
  if (cairo_pattern_status(pattern.get()) != CAIRO_STATUS_SUCCESS) {
    return Status::OutOfMemory;
  }
  // User space to source pixels: from the target's origin, scaled, offset into the part.
  cairo_matrix_t toSource;
  cairo_matrix_init_translate(&toSource, x0 - px, y0 - py);
  cairo_matrix_scale(&toSource, 1.0 / kx, 1.0 / ky);
  cairo_matrix_translate(&toSource, -target.X, -target.Y);
  cairo_pattern_set_matrix(pattern.get(), &toSource);
  cairo_pattern_set_filter(pattern.get(), FilterFor(fModes.fInterpolation));
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);

  cairo_save(cr);
  cairo_set_source(cr, pattern.get());
  cairo_new_path(cr);
  cairo_rectangle(cr, target.X, target.Y, target.Width, target.Height);
  cairo_fill(cr);
  cairo_restore(cr);
  return Status::Ok;
}

} // namespace gfx
