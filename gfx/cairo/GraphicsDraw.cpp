// Filling and stroking.
#include <cmath>

#include "gfx/Graphics.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

bool Finite(const RectF& r) {
  return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
         std::isfinite(r.Height);
}

bool Finite(const PointF* points, int count) {
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) {
      return false;
    }
  }
  return true;
}

bool IsWhole(double value) {
  return value == std::floor(value);
}

bool IsOddWhole(double value) {
  value = std::fabs(value);
  return IsWhole(value) && std::fmod(value, 2) == 1;
}

// The platform puts pixel centres on whole coordinates, cairo half-way between them: a line of
// odd width along a row or column at a whole coordinate would cover halves of two. It is moved
// half a pixel down or right, onto the row or column it names. Width 0 is one device pixel.
void CentreOnPixels(cairo_t* cr, double width, double* x1, double* y1, double* x2, double* y2) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (m.xy != 0 || m.yx != 0) {
    return;
  }
  double dx1 = *x1, dy1 = *y1, dx2 = *x2, dy2 = *y2;
  cairo_user_to_device(cr, &dx1, &dy1);
  cairo_user_to_device(cr, &dx2, &dy2);
  const double rowWidth = width == 0 ? 1 : width * m.yy;
  const double columnWidth = width == 0 ? 1 : width * m.xx;
  if (dy1 == dy2 && IsWhole(dy1) && IsOddWhole(rowWidth)) {
    dy1 += 0.5;
    dy2 += 0.5;
  } else if (dx1 == dx2 && IsWhole(dx1) && IsOddWhole(columnWidth)) {
    dx1 += 0.5;
    dx2 += 0.5;
  } else {
    return;
  }
  cairo_device_to_user(cr, &dx1, &dy1);
  cairo_device_to_user(cr, &dx2, &dy2);
  *x1 = dx1;
  *y1 = dy1;
  *x2 = dx2;
  *y2 = dy2;
}

} // namespace

Status Graphics::Usable(const Brush* brush) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return brush && CairoPattern(brush) ? Status::Ok : Status::InvalidParameter;
}

Status Graphics::Usable(const Pen* pen) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return pen && CairoPattern(pen) && pen->GetLastStatus() == Status::Ok ? Status::Ok
                                                                        : Status::InvalidParameter;
}

Status Graphics::Clear(const Color& color) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  cairo_t* cr = fNative->fCairo.get();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(cr, color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0,
                        color.GetA() / 255.0);
  cairo_paint(cr);
  cairo_restore(cr);
  return Status::Ok;
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!Finite(rect)) {
    return Status::InvalidParameter;
  }
  if (rect.IsEmptyArea()) {
    return Status::Ok;
  }
  cairo_t* cr = fNative->fCairo.get();
  cairo_new_path(cr);
  cairo_rectangle(cr, rect.X, rect.Y, rect.Width, rect.Height);
  cairo_set_source(cr, CairoPattern(brush));
  cairo_fill(cr);
  return Status::Ok;
}

Status Graphics::FillRectangles(const Brush* brush, const RectF* rects, int count) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (count < 0 || (count > 0 && !rects)) {
    return Status::InvalidParameter;
  }
  for (int i = 0; i < count; ++i) {
    if (!Finite(rects[i])) {
      return Status::InvalidParameter;
    }
  }
  cairo_t* cr = fNative->fCairo.get();
  cairo_new_path(cr);
  for (int i = 0; i < count; ++i) {
    if (!rects[i].IsEmptyArea()) {
      cairo_rectangle(cr, rects[i].X, rects[i].Y, rects[i].Width, rects[i].Height);
    }
  }
  cairo_set_source(cr, CairoPattern(brush));
  cairo_fill(cr);
  return Status::Ok;
}

Status Graphics::FillPolygon(const Brush* brush, const PointF* points, int count,
                             FillMode fillMode) {
  if (!points || count < 3 || !Finite(points, count)) {
    return Status::InvalidParameter;
  }
  GraphicsPath path(fillMode);
  Status status = path.AddPolygon(points, count);
  return status == Status::Ok ? FillPath(brush, &path) : status;
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!path) {
    return Status::InvalidParameter;
  }
  cairo_t* cr = fNative->fCairo.get();
  AppendPath(cr, *path);
  cairo_set_source(cr, CairoPattern(brush));
  cairo_fill(cr);
  return Status::Ok;
}

Status Graphics::FillRegion(const Brush* brush, const Region* region) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!region || region->GetLastStatus() != Status::Ok) {
    return Status::InvalidParameter;
  }
  cairo_t* cr = fNative->fCairo.get();
  cairo_save(cr);
  ClipToRegion(cr, *region);
  cairo_set_source(cr, CairoPattern(brush));
  cairo_paint(cr);
  cairo_restore(cr);
  return Status::Ok;
}

// Strokes the context's current path. An open line has no inside, so it is always centred.
Status Graphics::Stroke(const Pen* pen, bool closed) {
  cairo_t* cr = fNative->fCairo.get();
  cairo_save(cr);
  cairo_set_source(cr, CairoPattern(pen));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  double width = pen->GetWidth();
  if (closed && pen->GetAlignment() == PenAlignmentInset) {
    // Half of a doubled stroke, the half inside the outline.
    cairo_clip_preserve(cr);
    width *= 2;
  }
  if (width == 0) {
    // The path is already in device space: one device pixel whatever the transform.
    cairo_identity_matrix(cr);
    width = 1;
  }
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_restore(cr);
  return Status::Ok;
}

Status Graphics::DrawLine(const Pen* pen, float x1, float y1, float x2, float y2) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return Status::InvalidParameter;
  }
  cairo_t* cr = fNative->fCairo.get();
  double ux1 = x1, uy1 = y1, ux2 = x2, uy2 = y2;
  CentreOnPixels(cr, pen->GetWidth(), &ux1, &uy1, &ux2, &uy2);
  cairo_new_path(cr);
  cairo_move_to(cr, ux1, uy1);
  cairo_line_to(cr, ux2, uy2);
  return Stroke(pen, false);
}

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!Finite(rect)) {
    return Status::InvalidParameter;
  }
  cairo_new_path(fNative->fCairo.get());
  cairo_rectangle(fNative->fCairo.get(), rect.X, rect.Y, rect.Width, rect.Height);
  return Stroke(pen, true);
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!path) {
    return Status::InvalidParameter;
  }
  AppendPath(fNative->fCairo.get(), *path);
  return Stroke(pen, true);
}

} // namespace gfx
