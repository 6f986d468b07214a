#include "gfx/Graphics.h"

#include "gfx/cairo/CairoNatives.h"
#include <cmath>
#include <new>

namespace gfx {

namespace {

constexpr int32_t kMaxSide = 32767;

bool Invertible(const cairo_matrix_t& m) {
  double values[] = {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
  for (double v : values) {
    if (!std::isfinite(v)) {
      return false;
    }
  }
  cairo_matrix_t copy = m;
  return cairo_matrix_invert(&copy) == CAIRO_STATUS_SUCCESS;
}

cairo_antialias_t AntialiasFor(SmoothingMode mode) {
  return mode == SmoothingModeAntiAlias || mode == SmoothingModeHighQuality
             ? CAIRO_ANTIALIAS_DEFAULT
             : CAIRO_ANTIALIAS_NONE;
}

} // namespace

Graphics::Graphics(const FDDeviceContext* dc) {
  if (!dc || !dc->fPixels || dc->fWidth <= 0 || dc->fHeight <= 0 || dc->fWidth > kMaxSide ||
      dc->fHeight > kMaxSide || dc->fRowBytes < dc->fWidth * 4 || dc->fRowBytes % 4 != 0) {
    fStatus = Status::InvalidParameter;
    return;
  }
  SurfacePtr surface(cairo_image_surface_create_for_data(reinterpret_cast<uint8_t*>(dc->fPixels),
                                                         CAIRO_FORMAT_ARGB32, dc->fWidth,
                                                         dc->fHeight, dc->fRowBytes));
  NativeBitmap target;
  target.fSurface = std::move(surface);
  Attach(&target); // the context keeps its own reference
}

Graphics::Graphics(Bitmap* bitmap) {
  if (!CairoSurface(bitmap)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  Attach(bitmap->Native());
}

Graphics::~Graphics() {
  Flush();
}

void Graphics::Attach(NativeBitmap* target) {
  cairo_surface_t* surface = target->fSurface.get();
  if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    fStatus = Status::OutOfMemory;
    return;
  }
  CairoPtr cr(cairo_create(surface));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
    fStatus = Status::OutOfMemory;
    return;
  }
  cairo_set_antialias(cr.get(), AntialiasFor(fModes.fSmoothing));
  fNative.reset(new (std::nothrow) NativeGraphics);
  if (!fNative) {
    fStatus = Status::OutOfMemory;
    return;
  }
  fNative->fCairo = std::move(cr);
  fStatus = Status::Ok;
}

Status Graphics::Ready() const {
  if (fStatus != Status::Ok) {
    return fStatus;
  }
  // Every input is checked before it reaches the context, so this is a safety net.
  return cairo_status(fNative->fCairo.get()) == CAIRO_STATUS_SUCCESS ? Status::Ok
                                                                     : Status::GenericError;
}

void Graphics::Flush() {
  if (fNative) {
    cairo_surface_flush(cairo_get_target(fNative->fCairo.get()));
  }
}

GraphicsState Graphics::Save() {
  if (Ready() != Status::Ok) {
    return 0;
  }
  try {
    fSaved.push_back(fModes);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  cairo_save(fNative->fCairo.get());
  return GraphicsState(fSaved.size());
}

Status Graphics::Restore(GraphicsState state) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (state == 0 || state > fSaved.size()) {
    return Status::InvalidParameter;
  }
  while (fSaved.size() >= state) {
    fModes = fSaved.back();
    fSaved.pop_back();
    cairo_restore(fNative->fCairo.get());
  }
  return Status::Ok;
}

Status Graphics::ApplyTransform(const Matrix& matrix) {
  const cairo_matrix_t native = CairoMatrix(matrix);
  if (!Invertible(native)) {
    return Status::InvalidParameter;
  }
  cairo_set_matrix(fNative->fCairo.get(), &native);
  return Status::Ok;
}

Status Graphics::GetTransform(Matrix* matrix) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!matrix) {
    return Status::InvalidParameter;
  }
  cairo_matrix_t native;
  cairo_get_matrix(fNative->fCairo.get(), &native);
  SetCairoMatrix(matrix, native);
  return Status::Ok;
}

Status Graphics::ResetTransform() {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  cairo_identity_matrix(fNative->fCairo.get());
  return Status::Ok;
}

Status Graphics::SetClip(const Region* region, CombineMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!region || region->GetLastStatus() != Status::Ok ||
      (mode != CombineModeReplace && mode != CombineModeIntersect)) {
    return Status::InvalidParameter;
  }
  if (mode == CombineModeReplace) {
    cairo_reset_clip(fNative->fCairo.get());
  }
  ClipToRegion(fNative->fCairo.get(), *region);
  cairo_new_path(fNative->fCairo.get());
  return Status::Ok;
}

Status Graphics::ResetClip() {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  cairo_reset_clip(fNative->fCairo.get());
  return Status::Ok;
}

Status Graphics::GetClipBounds(RectF* bounds) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!bounds) {
    return Status::InvalidParameter;
  }
  double x1, y1, x2, y2;
  cairo_clip_extents(fNative->fCairo.get(), &x1, &y1, &x2, &y2);
  *bounds =
      x2 > x1 && y2 > y1 ? RectF(float(x1), float(y1), float(x2 - x1), float(y2 - y1)) : RectF();
  return Status::Ok;
}

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias) {
    return Status::InvalidParameter;
  }
  fModes.fSmoothing = mode;
  cairo_set_antialias(fNative->fCairo.get(), AntialiasFor(mode));
  return Status::Ok;
}

} // namespace gfx
