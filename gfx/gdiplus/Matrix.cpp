// The transform's arithmetic, in doubles as GDI+ applies it in floats.
#include "gfx/Matrix.h"

#include <cmath>

namespace gfx {

namespace {

// a applied first, then b.
Matrix::Elements Then(const Matrix::Elements& a, const Matrix::Elements& b) {
  return {a.m11 * b.m11 + a.m12 * b.m21,      a.m11 * b.m12 + a.m12 * b.m22,
          a.m21 * b.m11 + a.m22 * b.m21,      a.m21 * b.m12 + a.m22 * b.m22,
          a.dx * b.m11 + a.dy * b.m21 + b.dx, a.dx * b.m12 + a.dy * b.m22 + b.dy};
}

double Determinant(const Matrix::Elements& e) {
  return e.m11 * e.m22 - e.m12 * e.m21;
}

} // namespace

Matrix::Matrix() : fElements{1, 0, 0, 1, 0, 0} {}

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : fElements{m11, m12, m21, m22, dx, dy} {}

bool Matrix::IsInvertible() const {
  const double det = Determinant(fElements);
  return det != 0 && std::isfinite(det) && std::isfinite(fElements.dx) &&
         std::isfinite(fElements.dy);
}

Status Matrix::Multiply(const Matrix& other, MatrixOrder order) {
  fElements = order == MatrixOrderPrepend ? Then(other.fElements, fElements)
                                          : Then(fElements, other.fElements);
  return Status::Ok;
}

Status Matrix::Invert() {
  if (!IsInvertible()) {
    return Status::InvalidParameter;
  }
  const Elements& e = fElements;
  const double det = Determinant(e);
  fElements = {e.m22 / det,
               -e.m12 / det,
               -e.m21 / det,
               e.m11 / det,
               (e.m21 * e.dy - e.m22 * e.dx) / det,
               (e.m12 * e.dx - e.m11 * e.dy) / det};
  return Status::Ok;
}

PointF Matrix::TransformPoint(PointF point) const {
  const Elements& e = fElements;
  return PointF(float(point.X * e.m11 + point.Y * e.m21 + e.dx),
                float(point.X * e.m12 + point.Y * e.m22 + e.dy));
}

} // namespace gfx
