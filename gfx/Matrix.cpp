// The parts of a transform that need no arithmetic of the platform's.
#include "gfx/Matrix.h"

#include <cmath>

namespace gfx {

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

void Matrix::TransformPoints(PointF* points, int count) const {
  for (int i = 0; points && i < count; ++i) {
    points[i] = TransformPoint(points[i]);
  }
}

} // namespace gfx
