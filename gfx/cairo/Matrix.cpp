#include "gfx/Matrix.h"

#include <cmath>

#include "gfx/cairo/CairoNatives.h"

namespace gfx {

Matrix::Matrix() : fElements{1, 0, 0, 1, 0, 0} {}

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : fElements{m11, m12, m21, m22, dx, dy} {}

bool Matrix::IsInvertible() const {
  cairo_matrix_t copy = CairoMatrix(*this);
  return cairo_matrix_invert(&copy) == CAIRO_STATUS_SUCCESS;
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

} // namespace gfx
