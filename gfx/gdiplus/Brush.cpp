#include "gfx/Brush.h"

#include <new>

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

Brush::Brush() = default;
Brush::~Brush() = default;

void Brush::SetColorNative(const Color& color) {
  if (!GdiplusReady()) {
    fNative.reset();
    fStatus = Status::GenericError;
    return;
  }
  if (!fNative) {
    fNative.reset(new (std::nothrow) NativeBrush);
  }
  if (fNative) {
    fNative->fBrush.reset(new Gdiplus::SolidBrush(GdiplusColor(color)));
  }
  const bool ok = fNative && fNative->fBrush && fNative->fBrush->GetLastStatus() == Gdiplus::Ok;
  fStatus = ok ? Status::Ok : Status::OutOfMemory;
  if (!ok) {
    fNative.reset();
  }
}

SolidBrush::SolidBrush(const Color& color) : fColor(color) {
  SetColorNative(color);
}

std::unique_ptr<Brush> SolidBrush::Clone() const {
  return std::unique_ptr<Brush>(new (std::nothrow) SolidBrush(fColor));
}

Status SolidBrush::SetColor(const Color& color) {
  fColor = color;
  SetColorNative(color);
  return GetLastStatus();
}

} // namespace gfx
