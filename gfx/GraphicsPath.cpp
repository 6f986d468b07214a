#include "gfx/GraphicsPath.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace gfx {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Finite(float a, float b, float c = 0, float d = 0) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// The angle on the ellipse's parameter circle of the point that lies on the ray at `angle`. Both
// arctangents jump at the same place, so their difference is continuous and the result keeps the
// turn count of `angle`: sweeps stay monotonic.
double ParametricAngle(double angle, double rx, double ry) {
  double s = std::sin(angle), c = std::cos(angle);
  return angle + std::atan2(rx * s, ry * c) - std::atan2(s, c);
}

} // namespace

GraphicsPath::GraphicsPath(FillMode fillMode) : fFillMode(fillMode) {}

void GraphicsPath::JoinTo(PointF point) {
  if (!fFigureOpen) {
    fSegments.push_back({SegmentKind::Move, {point}});
    fFigureOpen = true;
  } else if (point.X != fLastPoint.X || point.Y != fLastPoint.Y) {
    fSegments.push_back({SegmentKind::Line, {point}});
  }
  fLastPoint = point;
}

void GraphicsPath::CurveTo(PointF c1, PointF c2, PointF end) {
  fSegments.push_back({SegmentKind::Curve, {c1, c2, end}});
  fLastPoint = end;
}

Status GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  if (!Finite(x1, y1, x2, y2)) {
    return Status::InvalidParameter;
  }
  try {
    JoinTo(PointF(x1, y1));
    fSegments.push_back({SegmentKind::Line, {PointF(x2, y2)}});
    fLastPoint = PointF(x2, y2);
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  return Status::Ok;
}

Status GraphicsPath::AddLines(const PointF* points, int count) {
  if (!points || count < 2) {
    return Status::InvalidParameter;
  }
  for (int i = 0; i < count; ++i) {
    if (!Finite(points[i].X, points[i].Y)) {
      return Status::InvalidParameter;
    }
  }
  try {
    JoinTo(points[0]);
    for (int i = 1; i < count; ++i) {
      fSegments.push_back({SegmentKind::Line, {points[i]}});
      fLastPoint = points[i];
    }
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  return Status::Ok;
}

Status GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
  if (!Finite(x, y, width, height) || !Finite(startAngle, sweepAngle) || width <= 0 ||
      height <= 0) {
    return Status::InvalidParameter;
  }
  double rx = width / 2.0, ry = height / 2.0;
  double cx = x + rx, cy = y + ry;
  double a0 = startAngle * kPi / 180, sweep = std::clamp(sweepAngle, -360.0f, 360.0f) * kPi / 180;
  double t0 = ParametricAngle(a0, rx, ry);
  double t1 = std::fabs(sweep) >= 2 * kPi ? t0 + sweep : ParametricAngle(a0 + sweep, rx, ry);
  auto at = [&](double t) {
    return PointF(float(cx + rx * std::cos(t)), float(cy + ry * std::sin(t)));
  };
  try {
    JoinTo(at(t0));
    // Bezier pieces of at most a quarter turn each stay within a fraction of a pixel.
    int pieces = std::max(1, int(std::ceil(std::fabs(t1 - t0) / (kPi / 2) - 1e-9)));
    double step = (t1 - t0) / pieces;
    double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
      double ta = t0 + step * i, tb = ta + step;
      PointF c1(float(cx + rx * (std::cos(ta) - k * std::sin(ta))),
                float(cy + ry * (std::sin(ta) + k * std::cos(ta))));
      PointF c2(float(cx + rx * (std::cos(tb) + k * std::sin(tb))),
                float(cy + ry * (std::sin(tb) - k * std::cos(tb))));
      CurveTo(c1, c2, at(tb));
    }
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  return Status::Ok;
}

Status GraphicsPath::AddArc(const RectF& box, float startAngle, float sweepAngle) {
  return AddArc(box.X, box.Y, box.Width, box.Height, startAngle, sweepAngle);
}

Status GraphicsPath::AddRectangle(const RectF& rect) {
  if (!Finite(rect.X, rect.Y, rect.Width, rect.Height)) {
    return Status::InvalidParameter;
  }
  PointF corners[4] = {PointF(rect.X, rect.Y), PointF(rect.GetRight(), rect.Y),
                       PointF(rect.GetRight(), rect.GetBottom()), PointF(rect.X, rect.GetBottom())};
  return AddPolygon(corners, 4);
}

Status GraphicsPath::AddEllipse(const RectF& box) {
  StartFigure();
  Status status = AddArc(box, 0, 360);
  if (status == Status::Ok) {
    CloseFigure();
  }
  return status;
}

Status GraphicsPath::AddPolygon(const PointF* points, int count) {
  StartFigure();
  Status status = AddLines(points, count);
  if (status == Status::Ok) {
    CloseFigure();
  }
  return status;
}

Status GraphicsPath::AddRoundedRectangle(const RectF& rect, float rx, float ry) {
  if (!Finite(rect.X, rect.Y, rect.Width, rect.Height) || !Finite(rx, ry) || rx <= 0 || ry <= 0) {
    return Status::InvalidParameter;
  }
  float x = rect.X, y = rect.Y, w = rect.Width, h = rect.Height;
  StartFigure();
  Status steps[] = {
      AddLine(x + rx, y, x + w - 2 * rx, y),
      AddArc(x + w - 2 * rx, y, 2 * rx, 2 * ry, 270, 90),
      AddLine(x + w, y + ry, x + w, y + h - 2 * ry),
      AddArc(x + w - 2 * rx, y + h - 2 * ry, 2 * rx, 2 * ry, 0, 90),
      AddLine(x + w - 2 * rx, y + h, x + rx, y + h),
      AddArc(x, y + h - 2 * ry, 2 * rx, 2 * ry, 90, 90),
      AddLine(x, y + h - 2 * ry, x, y + ry),
      AddArc(x, y, 2 * rx, 2 * ry, 180, 90),
  };
  CloseFigure();
  for (Status status : steps) {
    if (status != Status::Ok) {
      return status;
    }
  }
  return Status::Ok;
}

void GraphicsPath::StartFigure() {
  fFigureOpen = false;
}

void GraphicsPath::CloseFigure() {
  if (!fFigureOpen) {
    return;
  }
  try {
    fSegments.push_back({SegmentKind::Close, {}});
  } catch (const std::bad_alloc&) {
    // The figure stays open; filling closes it implicitly.
  }
  fFigureOpen = false;
}

void GraphicsPath::Reset() {
  fSegments.clear();
  fFigureOpen = false;
}

int GraphicsPath::GetPointCount() const {
  int count = 0;
  for (const Segment& s : fSegments) {
    count += s.fKind == SegmentKind::Curve ? 3 : s.fKind == SegmentKind::Close ? 0 : 1;
  }
  return count;
}

Status GraphicsPath::GetBounds(RectF* bounds) const {
  if (!bounds) {
    return Status::InvalidParameter;
  }
  *bounds = RectF();
  bool any = false;
  float minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const Segment& s : fSegments) {
    int n = s.fKind == SegmentKind::Curve ? 3 : s.fKind == SegmentKind::Close ? 0 : 1;
    for (int i = 0; i < n; ++i) {
      const PointF& p = s.fPoints[i];
      if (!any) {
        minX = maxX = p.X;
        minY = maxY = p.Y;
        any = true;
      }
      minX = std::min(minX, p.X);
      maxX = std::max(maxX, p.X);
      minY = std::min(minY, p.Y);
      maxY = std::max(maxY, p.Y);
    }
  }
  if (any) {
    *bounds = RectF(minX, minY, maxX - minX, maxY - minY);
  }
  return Status::Ok;
}

Status GraphicsPath::GetLastPoint(PointF* point) const {
  if (!point) {
    return Status::InvalidParameter;
  }
  if (fSegments.empty()) {
    return Status::WrongState;
  }
  *point = fLastPoint;
  return Status::Ok;
}

} // namespace gfx
