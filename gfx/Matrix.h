// An affine transform: x' = x * m11 + y * m21 + dx, y' = x * m12 + y * m22 + dy. Prepending an
// operation applies it before the current transform, appending applies it after.
#pragma once

#include "gfx/GfxEnums.h"
#include "gfx/GfxStatus.h"
#include "gfx/GfxTypes.h"

namespace gfx {

class Matrix {
public:
  Matrix(); // identity
  Matrix(float m11, float m12, float m21, float m22, float dx, float dy);

  // Elements in the order m11, m12, m21, m22, dx, dy.
  void GetElements(float elements[6]) const;
  void Reset();
  bool IsIdentity() const;
  bool IsInvertible() const;

  Status Translate(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
  Status Scale(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
  Status Multiply(const Matrix& other, MatrixOrder order = MatrixOrderPrepend);
  // A singular matrix is left unchanged and gives InvalidParameter.
  Status Invert();

  PointF TransformPoint(PointF point) const;
  void TransformPoints(PointF* points, int count) const;

  // The elements at full precision, for the graphics that applies them.
  struct Elements {
    double m11, m12, m21, m22, dx, dy;
  };
  const Elements& GetExactElements() const { return fElements; }
  void SetExactElements(const Elements& elements) { fElements = elements; }

private:
  Elements fElements;
};

} // namespace gfx
