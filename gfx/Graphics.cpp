// What the drawing calls build from the platform's own: transforms composed from the current one,
// clips as regions, modes, and shapes as paths. The same on every side.
#include "gfx/Graphics.h"

#include <cmath>

namespace gfx {

namespace {

bool Finite(const RectF& r) {
  return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
         std::isfinite(r.Height);
}

} // namespace

Status Graphics::TranslateTransform(float dx, float dy, MatrixOrder order) {
  Matrix matrix;
  Status status = GetTransform(&matrix);
  if (status == Status::Ok) {
    status = matrix.Translate(dx, dy, order);
  }
  return status == Status::Ok ? ApplyTransform(matrix) : status;
}

Status Graphics::ScaleTransform(float sx, float sy, MatrixOrder order) {
  Matrix matrix;
  Status status = GetTransform(&matrix);
  if (status == Status::Ok) {
    status = matrix.Scale(sx, sy, order);
  }
  return status == Status::Ok ? ApplyTransform(matrix) : status;
}

Status Graphics::MultiplyTransform(const Matrix* other, MatrixOrder order) {
  if (!other) {
    return Status::InvalidParameter;
  }
  Matrix matrix;
  Status status = GetTransform(&matrix);
  if (status == Status::Ok) {
    status = matrix.Multiply(*other, order);
  }
  return status == Status::Ok ? ApplyTransform(matrix) : status;
}

bool Graphics::HasWholePixelTranslation() const {
  Matrix matrix;
  if (GetTransform(&matrix) != Status::Ok) {
    return false;
  }
  float e[6];
  matrix.GetElements(e);
  return e[0] == 1 && e[1] == 0 && e[2] == 0 && e[3] == 1 && e[4] == std::floor(e[4]) &&
         e[5] == std::floor(e[5]);
}

Status Graphics::SetTransform(const Matrix* matrix) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return matrix ? ApplyTransform(*matrix) : Status::InvalidParameter;
}

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!Finite(rect)) {
    return Status::InvalidParameter;
  }
  Region region(rect);
  return SetClip(&region, mode);
}

Status Graphics::SetClip(const GraphicsPath* path, CombineMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!path) {
    return Status::InvalidParameter;
  }
  Region region(path);
  return SetClip(&region, mode);
}

bool Graphics::IsClipEmpty() const {
  RectF bounds;
  return GetClipBounds(&bounds) != Status::Ok || bounds.IsEmptyArea();
}

Status Graphics::SetInterpolationMode(InterpolationMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (mode < InterpolationModeDefault || mode > InterpolationModeHighQualityBicubic) {
    return Status::InvalidParameter;
  }
  fModes.fInterpolation = mode;
  return Status::Ok;
}

Status Graphics::FillRectangle(const Brush* brush, float x, float y, float width, float height) {
  return FillRectangle(brush, RectF(x, y, width, height));
}

Status Graphics::FillEllipse(const Brush* brush, const RectF& box) {
  GraphicsPath path;
  Status status = path.AddEllipse(box);
  return status == Status::Ok ? FillPath(brush, &path) : status;
}

Status Graphics::DrawEllipse(const Pen* pen, const RectF& box) {
  GraphicsPath path;
  Status status = path.AddEllipse(box);
  return status == Status::Ok ? DrawPath(pen, &path) : status;
}

} // namespace gfx
