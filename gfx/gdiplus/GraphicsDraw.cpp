// Filling and stroking.
#include <algorithm>
#include <cmath>

#include "gfx/Graphics.h"
#include "gfx/gdiplus/GdiplusNatives.h"

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

// A stroke along a row or a column under a transform that neither turns nor skews is the
// rectangle it covers, filled: fills land on pixels alike on every GDI+, lines do not. A line of
// odd width at a whole coordinate would cover halves of two rows or columns: it is moved half a
// pixel down or right, onto the one it names. Width 0 is one device pixel. False for any other
// line.
bool StraightStroke(const Matrix& m, float width, float x1, float y1, float x2, float y2,
                    RectF* covered) {
  float e[6];
  m.GetElements(e);
  if (e[1] != 0 || e[2] != 0 || e[0] == 0 || e[3] == 0 || (x1 != x2 && y1 != y2)) {
    return false;
  }
  const PointF a = m.TransformPoint(PointF(x1, y1));
  const PointF b = m.TransformPoint(PointF(x2, y2));
  if (y1 == y2) {
    const double rowWidth = width == 0 ? 1 : width * e[3];
    const float thickness = width == 0 ? 1 / std::fabs(e[3]) : width;
    const float y = a.Y == b.Y && IsWhole(a.Y) && IsOddWhole(rowWidth) ? y1 + 0.5f / e[3] : y1;
    *covered = RectF(std::min(x1, x2), y - thickness / 2, std::fabs(x2 - x1), thickness);
  } else {
    const double columnWidth = width == 0 ? 1 : width * e[0];
    const float thickness = width == 0 ? 1 / std::fabs(e[0]) : width;
    const float x = a.X == b.X && IsWhole(a.X) && IsOddWhole(columnWidth) ? x1 + 0.5f / e[0] : x1;
    *covered = RectF(x - thickness / 2, std::min(y1, y2), thickness, std::fabs(y2 - y1));
  }
  return true;
}

// An inset stroke is the inner half of a doubled one, clipped to the outline (not every GDI+
// draws inset pens).
Status SetUpPen(const Pen* pen, bool inset) {
  Gdiplus::Pen* native = GdiplusPen(pen);
  native->SetAlignment(Gdiplus::PenAlignmentCenter);
  return StatusOf(native->SetWidth(inset ? pen->GetWidth() * 2 : pen->GetWidth()));
}

Status StrokeOutline(Gdiplus::Graphics* graphics, const Pen* pen,
                     const Gdiplus::GraphicsPath& outline) {
  const bool inset = pen->GetAlignment() == PenAlignmentInset;
  SetUpPen(pen, inset);
  if (!inset) {
    return StatusOf(graphics->DrawPath(GdiplusPen(pen), &outline));
  }
  const Gdiplus::GraphicsState state = graphics->Save();
  graphics->SetClip(&outline, Gdiplus::CombineModeIntersect);
  const Gdiplus::Status drawn = graphics->DrawPath(GdiplusPen(pen), &outline);
  graphics->Restore(state);
  return StatusOf(drawn);
}

} // namespace

Status Graphics::Usable(const Brush* brush) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return GdiplusBrush(brush) ? Status::Ok : Status::InvalidParameter;
}

Status Graphics::Usable(const Pen* pen) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return GdiplusPen(pen) && pen->GetLastStatus() == Status::Ok ? Status::Ok
                                                               : Status::InvalidParameter;
}

Status Graphics::Clear(const Color& color) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return StatusOf(fNative->fGraphics->Clear(GdiplusColor(color)));
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
  return StatusOf(fNative->fGraphics->FillRectangle(GdiplusBrush(brush), GdiplusRect(rect)));
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
  Gdiplus::GraphicsPath path;
  for (int i = 0; i < count; ++i) {
    if (!rects[i].IsEmptyArea()) {
      path.AddRectangle(GdiplusRect(rects[i]));
    }
  }
  path.SetFillMode(Gdiplus::FillModeWinding);
  return StatusOf(fNative->fGraphics->FillPath(GdiplusBrush(brush), &path));
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
  std::unique_ptr<Gdiplus::GraphicsPath> native = NewGdiplusPath(*path);
  if (!native) {
    return Status::OutOfMemory;
  }
  return StatusOf(fNative->fGraphics->FillPath(GdiplusBrush(brush), native.get()));
}

Status Graphics::FillRegion(const Brush* brush, const Region* region) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!region || region->GetLastStatus() != Status::Ok) {
    return Status::InvalidParameter;
  }
  std::unique_ptr<Gdiplus::Region> native = NewGdiplusRegion(*region);
  if (!native) {
    return Status::OutOfMemory;
  }
  return StatusOf(fNative->fGraphics->FillRegion(GdiplusBrush(brush), native.get()));
}

// Sets the pen up for one centred stroke; an open line has no inside. Width 0 is GDI+'s own
// thinnest line.
Status Graphics::Stroke(const Pen* pen, bool closed) {
  return SetUpPen(pen, closed && pen->GetAlignment() == PenAlignmentInset);
}

Status Graphics::DrawLine(const Pen* pen, float x1, float y1, float x2, float y2) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return Status::InvalidParameter;
  }
  Matrix transform;
  GetTransform(&transform);
  RectF covered;
  if (StraightStroke(transform, pen->GetWidth(), x1, y1, x2, y2, &covered)) {
    return covered.IsEmptyArea() ? Status::Ok
                                 : StatusOf(fNative->fGraphics->FillRectangle(
                                       pen->Native()->fFill.get(), GdiplusRect(covered)));
  }
  Stroke(pen, false);
  return StatusOf(fNative->fGraphics->DrawLine(GdiplusPen(pen), x1, y1, x2, y2));
}

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!Finite(rect)) {
    return Status::InvalidParameter;
  }
  Gdiplus::GraphicsPath outline;
  outline.AddRectangle(GdiplusRect(rect));
  return StrokeOutline(fNative->fGraphics.get(), pen, outline);
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
  if (Status status = Usable(pen); status != Status::Ok) {
    return status;
  }
  if (!path) {
    return Status::InvalidParameter;
  }
  std::unique_ptr<Gdiplus::GraphicsPath> native = NewGdiplusPath(*path);
  if (!native) {
    return Status::OutOfMemory;
  }
  return StrokeOutline(fNative->fGraphics.get(), pen, *native);
}

} // namespace gfx
