#include "gfx/Matrix.h"

#include <cmath>

namespace gfx {

Matrix::Matrix() {
  cairo_matrix_init_identity(&fMatrix);
}

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy) {
  cairo_matrix_init(&fMatrix, m11, m12, m21, m22, dx, dy);
}

void Matrix::GetElements(float elements[6]) const {
  elements[0] = float(fMatrix.xx);
  elements[1] = float(fMatrix.yx);
  elements[2] = float(fMatrix.xy);
  elements[3] = float(fMatrix.yy);
  elements[4] = float(fMatrix.x0);
  elements[5] = float(fMatrix.y0);
}

void Matrix::Reset() {
  cairo_matrix_init_identity(&fMatrix);
}

bool Matrix::IsIdentity() const {
  return fMatrix.xx == 1 && fMatrix.yx == 0 && fMatrix.xy == 0 && fMatrix.yy == 1 &&
         fMatrix.x0 == 0 && fMatrix.y0 == 0;
}

bool Matrix::IsInvertible() const {
  cairo_matrix_t copy = fMatrix;
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
  cairo_matrix_t result;
  if (order == MatrixOrderPrepend) {
    cairo_matrix_multiply(&result, &other.fMatrix, &fMatrix);
  } else {
    cairo_matrix_multiply(&result, &fMatrix, &other.fMatrix);
  }
  fMatrix = result;
  return Status::Ok;
}

Status Matrix::Invert() {
  cairo_matrix_t copy = fMatrix;
  if (cairo_matrix_invert(&copy) != CAIRO_STATUS_SUCCESS) {
    return Status::InvalidParameter;
  }
  fMatrix = copy;
  return Status::Ok;
}

PointF Matrix::TransformPoint(PointF point) const {
  double x = point.X, y = point.Y;
  cairo_matrix_transform_point(&fMatrix, &x, &y);
  return PointF(float(x), float(y));
}

void Matrix::TransformPoints(PointF* points, int count) const {
  for (int i = 0; points && i < count; ++i) {
    points[i] = TransformPoint(points[i]);
  }
}

} // namespace gfx
