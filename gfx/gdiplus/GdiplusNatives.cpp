#include "gfx/gdiplus/GdiplusNatives.h"

#include <new>

namespace gfx {

bool GdiplusReady() {
  // Never shut down: the library may be unloaded only with the process, and GDI+ may not be
  // stopped from the loader's notifications.
  static const bool sStarted = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return sStarted;
}

Status StatusOf(Gdiplus::Status status) {
  switch (status) {
  case Gdiplus::Ok:
    return Status::Ok;
  case Gdiplus::InvalidParameter:
  case Gdiplus::ValueOverflow:
    return Status::InvalidParameter;
  case Gdiplus::OutOfMemory:
    return Status::OutOfMemory;
  case Gdiplus::WrongState:
  case Gdiplus::ObjectBusy:
    return Status::WrongState;
  case Gdiplus::FileNotFound:
  case Gdiplus::UnknownImageFormat:
    return Status::FileNotFound;
  case Gdiplus::FontFamilyNotFound:
  case Gdiplus::FontStyleNotFound:
    return Status::FontFamilyNotFound;
  default:
    return Status::GenericError;
  }
}

Gdiplus::Matrix* NewGdiplusMatrix(const Matrix& matrix) {
  const Matrix::Elements& e = matrix.GetExactElements();
  return new Gdiplus::Matrix(float(e.m11), float(e.m12), float(e.m21), float(e.m22), float(e.dx),
                             float(e.dy));
}

std::unique_ptr<Gdiplus::GraphicsPath> NewGdiplusPath(const GraphicsPath& path) {
  std::unique_ptr<Gdiplus::GraphicsPath> native(new Gdiplus::GraphicsPath(
      path.GetFillMode() == FillModeWinding ? Gdiplus::FillModeWinding
                                            : Gdiplus::FillModeAlternate));
  if (!native || native->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  Gdiplus::PointF current;
  for (const GraphicsPath::Segment& s : path.GetSegments()) {
    const PointF* p = s.fPoints;
    switch (s.fKind) {
    case GraphicsPath::SegmentKind::Move:
      native->StartFigure();
      current = Gdiplus::PointF(p[0].X, p[0].Y);
      break;
    case GraphicsPath::SegmentKind::Line:
      native->AddLine(current, Gdiplus::PointF(p[0].X, p[0].Y));
      current = Gdiplus::PointF(p[0].X, p[0].Y);
      break;
    case GraphicsPath::SegmentKind::Curve:
      native->AddBezier(current, Gdiplus::PointF(p[0].X, p[0].Y), Gdiplus::PointF(p[1].X, p[1].Y),
                        Gdiplus::PointF(p[2].X, p[2].Y));
      current = Gdiplus::PointF(p[2].X, p[2].Y);
      break;
    case GraphicsPath::SegmentKind::Close:
      native->CloseFigure();
      break;
    }
  }
  return native;
}

std::unique_ptr<Gdiplus::Region> NewGdiplusRegion(const Region& region) {
  std::unique_ptr<Gdiplus::Region> native(new Gdiplus::Region());
  if (!native || native->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  if (region.IsInfinite()) {
    return native;
  }
  const std::vector<GraphicsPath>* shapes = region.GetShapes();
  if (!shapes) {
    native->MakeEmpty();
    return native;
  }
  for (const GraphicsPath& shape : *shapes) {
    std::unique_ptr<Gdiplus::GraphicsPath> path = NewGdiplusPath(shape);
    if (!path || native->Intersect(path.get()) != Gdiplus::Ok) {
      return nullptr;
    }
  }
  return native;
}

std::unique_ptr<Gdiplus::StringFormat> NewGdiplusFormat(const StringFormat& format) {
  // The layer's flags, alignments and trimmings carry GDI+'s own values.
  std::unique_ptr<Gdiplus::StringFormat> native(new Gdiplus::StringFormat(format.GetFormatFlags()));
  if (!native || native->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  native->SetAlignment(Gdiplus::StringAlignment(format.GetAlignment()));
  native->SetLineAlignment(Gdiplus::StringAlignment(format.GetLineAlignment()));
  native->SetTrimming(Gdiplus::StringTrimming(format.GetTrimming()));
  return native;
}

} // namespace gfx
