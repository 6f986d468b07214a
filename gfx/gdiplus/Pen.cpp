#include "gfx/Pen.h"

#include <cmath>
#include <new>

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

bool ValidWidth(float width) {
  return std::isfinite(width) && width >= 0;
}

// The stroke's width is the layer's to apply (graphics sets it before each stroke).
std::unique_ptr<NativePen> MakeNative(Gdiplus::Pen* pen, Gdiplus::Brush* fill) {
  std::unique_ptr<Gdiplus::Pen> ownedPen(pen);
  std::unique_ptr<Gdiplus::Brush> ownedFill(fill);
  if (!ownedPen || ownedPen->GetLastStatus() != Gdiplus::Ok || !ownedFill ||
      ownedFill->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  std::unique_ptr<NativePen> native(new (std::nothrow) NativePen);
  if (native) {
    native->fPen = std::move(ownedPen);
    native->fFill = std::move(ownedFill);
  }
  return native;
}

} // namespace

Pen::Pen(const Color& color, float width) : fWidth(width) {
  SetColor(color);
  if (!ValidWidth(width)) {
    fStatus = Status::InvalidParameter;
  }
}

Pen::Pen(const Brush* brush, float width) : fWidth(width) {
  if (!GdiplusBrush(brush)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  // GDI+ copies the brush: the pen stays valid after the brush is gone.
  Adopt(MakeNative(new Gdiplus::Pen(GdiplusBrush(brush), 1.0f), GdiplusBrush(brush)->Clone()));
  if (!ValidWidth(width)) {
    fStatus = Status::InvalidParameter;
  }
}

Pen::~Pen() = default;

void Pen::Adopt(std::unique_ptr<NativePen> native) {
  fNative = std::move(native);
  fStatus = fNative ? Status::Ok : Status::OutOfMemory;
}

Status Pen::SetWidth(float width) {
  if (!ValidWidth(width)) {
    return Status::InvalidParameter;
  }
  fWidth = width;
  return Status::Ok;
}

Status Pen::SetAlignment(PenAlignment alignment) {
  if (alignment != PenAlignmentCenter && alignment != PenAlignmentInset) {
    return Status::InvalidParameter;
  }
  fAlignment = alignment;
  return Status::Ok;
}

Status Pen::SetColor(const Color& color) {
  if (!GdiplusReady()) {
    fNative.reset();
    fStatus = Status::GenericError;
    return fStatus;
  }
  Adopt(MakeNative(new Gdiplus::Pen(GdiplusColor(color), 1.0f),
                   new Gdiplus::SolidBrush(GdiplusColor(color))));
  return fStatus;
}

} // namespace gfx
