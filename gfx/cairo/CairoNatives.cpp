#include "gfx/cairo/CairoNatives.h"

namespace gfx {

cairo_matrix_t CairoMatrix(const Matrix& matrix) {
  const Matrix::Elements& e = matrix.GetExactElements();
  cairo_matrix_t native;
  cairo_matrix_init(&native, e.m11, e.m12, e.m21, e.m22, e.dx, e.dy);
  return native;
}

void SetCairoMatrix(Matrix* matrix, const cairo_matrix_t& native) {
  matrix->SetExactElements({native.xx, native.yx, native.xy, native.yy, native.x0, native.y0});
}

void AppendPath(cairo_t* cr, const GraphicsPath& path) {
  cairo_new_path(cr);
  for (const GraphicsPath::Segment& s : path.GetSegments()) {
    const PointF* p = s.fPoints;
    switch (s.fKind) {
    case GraphicsPath::SegmentKind::Move:
      cairo_move_to(cr, p[0].X, p[0].Y);
      break;
    case GraphicsPath::SegmentKind::Line:
      cairo_line_to(cr, p[0].X, p[0].Y);
      break;
    case GraphicsPath::SegmentKind::Curve:
      cairo_curve_to(cr, p[0].X, p[0].Y, p[1].X, p[1].Y, p[2].X, p[2].Y);
      break;
    case GraphicsPath::SegmentKind::Close:
      cairo_close_path(cr);
      break;
    }
  }
  cairo_set_fill_rule(cr, path.GetFillMode() == FillModeWinding ? CAIRO_FILL_RULE_WINDING
                                                                : CAIRO_FILL_RULE_EVEN_ODD);
}

void ClipToRegion(cairo_t* cr, const Region& region) {
  if (region.IsInfinite()) {
    return;
  }
  const std::vector<GraphicsPath>* shapes = region.GetShapes();
  if (!shapes) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 0, 0);
    cairo_clip(cr);
    return;
  }
  for (const GraphicsPath& shape : *shapes) {
    AppendPath(cr, shape);
    cairo_clip(cr);
  }
}

} // namespace gfx
