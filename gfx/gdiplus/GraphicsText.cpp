// Drawing and measuring text with GDI+'s fonts and string formats.
#include <cmath>

#include "gfx/Graphics.h"
#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

constexpr uint16_t kNoText[] = {0};

int LengthOf(const uint16_t* text, int length) {
  if (length >= 0) {
    return length;
  }
  int units = 0;
  while (text[units] != 0) {
    ++units;
  }
  return units;
}

// Larger layout boxes are refused, as every side of the layer does.
constexpr float kMaxExtent = 1.0e6f;

bool UsableLayout(const RectF& r) {
  return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
         std::isfinite(r.Height) && r.Width >= 0 && r.Height >= 0 && r.Width <= kMaxExtent &&
         r.Height <= kMaxExtent;
}

// A zero width or height leaves that direction open, as GDI+ does for an empty layout box.
Gdiplus::RectF LayoutBox(const RectF& layout) {
  return Gdiplus::RectF(layout.X, layout.Y, layout.Width, layout.Height);
}

// Where aligned text lands in its box: measured near the origin, then moved into the free space
// (measurement does not place aligned text on every GDI+).
float Aligned(float start, float room, float size, StringAlignment alignment) {
  if (room <= 0 || alignment == StringAlignmentNear) {
    return start;
  }
  return start + (room - size) * (alignment == StringAlignmentCenter ? 0.5f : 1.0f);
}

} // namespace

Status Graphics::DrawString(const uint16_t* text, int length, const Font* font, const RectF& layout,
                            const StringFormat* format, const Brush* brush) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!GdiplusFont(font) || !UsableLayout(layout)) {
    return Status::InvalidParameter;
  }
  text = text ? text : kNoText;
  std::unique_ptr<Gdiplus::StringFormat> native =
      NewGdiplusFormat(format ? *format : *StringFormat::GenericDefault());
  if (!native) {
    return Status::OutOfMemory;
  }
  return StatusOf(fNative->fGraphics->DrawString(
      reinterpret_cast<const WCHAR*>(text), LengthOf(text, length), GdiplusFont(font),
      LayoutBox(layout), native.get(), GdiplusBrush(brush)));
}

Status Graphics::DrawString(const char16_t* text, int length, const Font* font, const RectF& layout,
                            const StringFormat* format, const Brush* brush) {
  return DrawString(reinterpret_cast<const uint16_t*>(text), length, font, layout, format, brush);
}

Status Graphics::DrawString(const uint16_t* text, int length, const Font* font,
                            const PointF& origin, const StringFormat* format, const Brush* brush) {
  return DrawString(text, length, font, RectF(origin.X, origin.Y, 0, 0), format, brush);
}

Status Graphics::DrawString(const char16_t* text, int length, const Font* font,
                            const PointF& origin, const StringFormat* format, const Brush* brush) {
  return DrawString(text, length, font, RectF(origin.X, origin.Y, 0, 0), format, brush);
}

Status Graphics::MeasureString(const uint16_t* text, int length, const Font* font,
                               const RectF& layout, const StringFormat* format, RectF* bounds,
                               int* codepointsFitted, int* linesFilled) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!GdiplusFont(font) || !bounds || !UsableLayout(layout)) {
    return Status::InvalidParameter;
  }
  text = text ? text : kNoText;
  const StringFormat& asked = format ? *format : *StringFormat::GenericDefault();
  std::unique_ptr<Gdiplus::StringFormat> native = NewGdiplusFormat(asked);
  if (!native) {
    return Status::OutOfMemory;
  }
  native->SetAlignment(Gdiplus::StringAlignmentNear);
  native->SetLineAlignment(Gdiplus::StringAlignmentNear);
  // One untrimmed line overflows its box (the clip cuts it): it is measured whole.
  RectF measured = layout;
  if (!asked.Wraps() && asked.GetTrimming() == StringTrimmingNone) {
    measured.Width = 0;
  }
  Gdiplus::RectF box;
  INT fitted = 0;
  INT lines = 0;
  if (Status status = StatusOf(fNative->fGraphics->MeasureString(
          reinterpret_cast<const WCHAR*>(text), LengthOf(text, length), GdiplusFont(font),
          LayoutBox(measured), native.get(), &box, &fitted, &lines));
      status != Status::Ok) {
    return status;
  }
  *bounds = RectF(Aligned(layout.X, layout.Width, box.Width, asked.GetAlignment()),
                  Aligned(layout.Y, layout.Height, box.Height, asked.GetLineAlignment()), box.Width,
                  box.Height);
  if (codepointsFitted) {
    *codepointsFitted = fitted;
  }
  if (linesFilled) {
    *linesFilled = lines;
  }
  return Status::Ok;
}

Status Graphics::MeasureString(const char16_t* text, int length, const Font* font,
                               const RectF& layout, const StringFormat* format, RectF* bounds,
                               int* codepointsFitted, int* linesFilled) const {
  return MeasureString(reinterpret_cast<const uint16_t*>(text), length, font, layout, format,
                       bounds, codepointsFitted, linesFilled);
}

} // namespace gfx
