#include "gfx/Pen.h"

#include <cmath>

namespace gfx {

namespace {

bool ValidWidth(float width) {
  return std::isfinite(width) && width >= 0;
}

} // namespace

Pen::Pen(const Color& color, float width) : fWidth(width) {
  SetColor(color);
  if (!ValidWidth(width)) {
    fStatus = Status::InvalidParameter;
  }
}

Pen::Pen(const Brush* brush, float width) : fWidth(width) {
  if (!brush || !brush->Native()) {
    fStatus = Status::InvalidParameter;
    return;
  }
  // Shares the brush's source: the pen stays valid after the brush is gone.
  SetSource(cairo_pattern_reference(brush->Native()));
  if (!ValidWidth(width)) {
    fStatus = Status::InvalidParameter;
  }
}

void Pen::SetSource(cairo_pattern_t* pattern) {
  fPattern.reset(pattern);
  bool ok = pattern && cairo_pattern_status(pattern) == CAIRO_STATUS_SUCCESS;
  fStatus = ok ? Status::Ok : Status::OutOfMemory;
  if (!ok) {
    fPattern.reset();
  }
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
  SetSource(cairo_pattern_create_rgba(color.GetR() / 255.0, color.GetG() / 255.0,
                                      color.GetB() / 255.0, color.GetA() / 255.0));
  return fStatus;
}

} // namespace gfx
