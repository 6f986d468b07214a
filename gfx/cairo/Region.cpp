#include "gfx/Region.h"

#include <cmath>

#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

// An unbounded scratch target, so extents come from the shapes alone.
CairoPtr MakeScratchContext() {
  SurfacePtr surface(cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr));
  CairoPtr cr(cairo_create(surface.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
    return nullptr;
  }
  return cr;
}

} // namespace

Status Region::GetBounds(RectF* bounds) const {
  if (!bounds) {
    return Status::InvalidParameter;
  }
  *bounds = RectF();
  if (fKind != Kind::Shapes) {
    return Status::Ok;
  }
  CairoPtr cr = MakeScratchContext();
  if (!cr) {
    return Status::OutOfMemory;
  }
  ClipToRegion(cr.get(), *this);
  double x1, y1, x2, y2;
  cairo_clip_extents(cr.get(), &x1, &y1, &x2, &y2);
  if (x2 > x1 && y2 > y1) {
    *bounds = RectF(float(x1), float(y1), float(x2 - x1), float(y2 - y1));
  }
  return Status::Ok;
}

bool Region::IsVisible(float x, float y) const {
  if (fKind != Kind::Shapes) {
    return fKind == Kind::Infinite;
  }
  CairoPtr cr = MakeScratchContext();
  if (!cr) {
    return false;
  }
  ClipToRegion(cr.get(), *this);
  return cairo_in_clip(cr.get(), x, y);
}

} // namespace gfx
