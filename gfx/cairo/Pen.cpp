#include "gfx/Pen.h"

#include <cmath>
#include <new>

#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

bool ValidWidth(float width) {
  return std::isfinite(width) && width >= 0;
}

std::unique_ptr<NativePen> MakeNative(cairo_pattern_t* pattern) {
  PatternPtr owned(pattern);
  if (!owned || cairo_pattern_status(pattern) != CAIRO_STATUS_SUCCESS) {
    return nullptr;
  }
  std::unique_ptr<NativePen> native(new (std::nothrow) NativePen);
  if (native) {
    native->fPattern = std::move(owned);
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
  if (!CairoPattern(brush)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  // Shares the brush's source: the pen stays valid after the brush is gone.
  Adopt(MakeNative(cairo_pattern_reference(CairoPattern(brush))));
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
  Adopt(MakeNative(cairo_pattern_create_rgba(color.GetR() / 255.0, color.GetG() / 255.0,
                                             color.GetB() / 255.0, color.GetA() / 255.0)));
  return fStatus;
}

} // namespace gfx
