#include "gfx/Matrix.h"

#include <cmath>

#include "gfx/cairo/CairoNatives.h"

namespace gfx {

Matrix::Matrix() : fElements{1, 0, 0, 1, 0, 0} {}

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : fElements{m11, m12, m21, m22, dx, dy} {}

void Matrix::GetElements(float elements[6]) const {
  elements[0] = float(fElements.m11);
  elements[1] = float(fElements.m12);
  elements[2] = float(fElements.m21);
  elements[3] = float(fElements.m22);
  elements[4] = float(fElements.dx);
  elements[5] = float(fElements.dy);
}

void Matrix::Reset() {
  fElements = {1, 0, 0, 1, 0, 0};
}

bool Matrix::IsIdentity() const {
  return fElements.m11 == 1 && fElements.m12 == 0 && fElements.m21 == 0 && fElements.m22 == 1 &&
         fElements.dx == 0 && fElements.dy == 0;
}

bool Matrix::IsInvertible() const {
  cairo_matrix_t copy = CairoMatrix(*this);
  return cairo_matrix_invert(&copy) == CAIRO_STATUS_SUCCESS;
}

Status Matrix::Translate(float dx, float dy, MatrixOrder order) {
  if (!std::isfinite(dx) || !std::isfinite(dy)) {
    return Status::InvalidParameter;
  }
  return Multiply(Matrix(1, 0, 0, 1, dx, dy), order);
}

Status Matrix::Scale(float sx, float sy, MatrixOrder order) {
  if (!std::isfinite(sx) || !std::isfinite(sy)) {
    return Status::InvalidParameter;
  }
  return Multiply(Matrix(sx, 0, 0, sy, 0, 0), order);
}

Status Matrix::Multiply(const Matrix& other, MatrixOrder order) {
  // cairo_matrix_multiply(r, a, b) applies a first, then b.
  const cairo_matrix_t mine = CairoMatrix(*this);
  const cairo_matrix_t theirs = CairoMatrix(other);
  cairo_matrix_t result;
  if (order == MatrixOrderPrepend) {
    cairo_matrix_multiply(&result, &theirs, &mine);
  } else {
    cairo_matrix_multiply(&result, &mine, &theirs);
  }
  SetCairoMatrix(this, result);
  return Status::Ok;
}

Status Matrix::Invert() {
  cairo_matrix_t copy = CairoMatrix(*this);
  if (cairo_matrix_invert(&copy) != CAIRO_STATUS_SUCCESS) {
    return Status::InvalidParameter;
  }
  SetCairoMatrix(this, copy);
  return Status::Ok;
}

PointF Matrix::TransformPoint(PointF point) const {
  double x = point.X, y = point.Y;
  const cairo_matrix_t native = CairoMatrix(*this);
  cairo_matrix_transform_point(&native, &x, &y);
  return PointF(float(x), float(y));
}

void Matrix::TransformPoints(PointF* points, int count) const {
  for (int i = 0; points && i < count; ++i) {
    points[i] = TransformPoint(points[i]);
  }
}

} // namespace gfx
