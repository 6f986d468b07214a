#include "gfx/Brush.h"

#include <new>

#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

cairo_pattern_t* MakeSolidPattern(const Color& color) {
  return cairo_pattern_create_rgba(color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0,
                                   color.GetA() / 255.0);
}

} // namespace

Brush::Brush() = default;
Brush::~Brush() = default;

void Brush::SetColorNative(const Color& color) {
  PatternPtr pattern(MakeSolidPattern(color));
  bool ok = pattern && cairo_pattern_status(pattern.get()) == CAIRO_STATUS_SUCCESS;
  if (ok) {
    if (!fNative) {
      fNative.reset(new (std::nothrow) NativeBrush);
    }
    ok = fNative != nullptr;
  }
  fStatus = ok ? Status::Ok : Status::OutOfMemory;
  if (ok) {
    fNative->fPattern = std::move(pattern);
  } else {
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
