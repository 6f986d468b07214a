// The region's shape, kept as geometry; its queries are the drawing side's.
#include "gfx/Region.h"

#include <cmath>
#include <new>

namespace gfx {

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

} // namespace gfx
