#include "gfx/Region.h"

#include <cmath>
#include <new>

#include "gfx/GfxHandles.h"

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

Region::Region() = default;

Region::Region(const RectF& rect) {
  fStatus = Intersect(rect);
}

Region::Region(const GraphicsPath* path) {
  fStatus = Intersect(path);
}

void Region::MakeInfinite() {
  fKind = Kind::Infinite;
  fShapes.clear();
}

void Region::MakeEmpty() {
  fKind = Kind::Empty;
  fShapes.clear();
}

Status Region::Intersect(const RectF& rect) {
  if (!std::isfinite(rect.X) || !std::isfinite(rect.Y) || !std::isfinite(rect.Width) ||
      !std::isfinite(rect.Height)) {
    return Status::InvalidParameter;
  }
  if (rect.IsEmptyArea()) {
    MakeEmpty();
    return Status::Ok;
  }
  GraphicsPath path;
  path.AddRectangle(rect);
  return Intersect(&path);
}

Status Region::Intersect(const GraphicsPath* path) {
  if (!path) {
    return Status::InvalidParameter;
  }
  if (fKind == Kind::Empty) {
    return Status::Ok;
  }
  try {
    fShapes.push_back(*path);
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  fKind = Kind::Shapes;
  return Status::Ok;
}

Status Region::Intersect(const Region* region) {
  if (!region) {
    return Status::InvalidParameter;
  }
  if (region->fKind == Kind::Infinite || fKind == Kind::Empty) {
    return Status::Ok;
  }
  if (region->fKind == Kind::Empty) {
    MakeEmpty();
    return Status::Ok;
  }
  for (const GraphicsPath& shape : region->fShapes) {
    Status status = Intersect(&shape);
    if (status != Status::Ok) {
      return status;
    }
  }
  return Status::Ok;
}

bool Region::IsEmpty() const {
  if (fKind != Kind::Shapes) {
    return fKind == Kind::Empty;
  }
  RectF bounds;
  GetBounds(&bounds);
  return bounds.IsEmptyArea();
}

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
  ClipTo(cr.get());
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
  ClipTo(cr.get());
  return cairo_in_clip(cr.get(), x, y);
}

void Region::ClipTo(cairo_t* cr) const {
  switch (fKind) {
  case Kind::Infinite:
    break;
  case Kind::Empty:
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 0, 0);
    cairo_clip(cr);
    break;
  case Kind::Shapes:
    for (const GraphicsPath& shape : fShapes) {
      shape.AppendTo(cr);
      cairo_clip(cr);
    }
    break;
  }
}

} // namespace gfx
