#include "gfx/Brush.h"

#include <new>

namespace gfx {

namespace {

cairo_pattern_t* MakeSolidPattern(const Color& color) {
  return cairo_pattern_create_rgba(color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0,
                                   color.GetA() / 255.0);
}

} // namespace

void Brush::SetNative(cairo_pattern_t* pattern) {
  fPattern.reset(pattern);
  bool ok = pattern && cairo_pattern_status(pattern) == CAIRO_STATUS_SUCCESS;
  fStatus = ok ? Status::Ok : Status::OutOfMemory;
  if (!ok) {
    fPattern.reset();
  }
}

SolidBrush::SolidBrush(const Color& color) : fColor(color) {
  SetNative(MakeSolidPattern(color));
}

std::unique_ptr<Brush> SolidBrush::Clone() const {
  return std::unique_ptr<Brush>(new (std::nothrow) SolidBrush(fColor));
}

Status SolidBrush::SetColor(const Color& color) {
  fColor = color;
  SetNative(MakeSolidPattern(color));
  return GetLastStatus();
}

} // namespace gfx
