// Drawing and measuring text.
#include "gfx/Graphics.h"
#include "gfx/Utf16.h"
#include "gfx/cairo/CairoNatives.h"
#include "gfx/cairo/TextLayout.h"

namespace gfx {

namespace {

// UTF-16 units held by the first `bytes` bytes of UTF-8 text.
int Utf16UnitsIn(const std::string& utf8, int bytes) {
  int units = 0;
  for (int i = 0; i < bytes && i < int(utf8.size()); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[size_t(i)]);
    if ((c & 0xC0) != 0x80) {
      units += c >= 0xF0 ? 2 : 1;
    }
  }
  return units;
}

} // namespace

Status Graphics::DrawString(const uint16_t* text, int length, const Font* font, const RectF& layout,
                            const StringFormat* format, const Brush* brush) {
  std::string utf8;
  if (!Utf16ToUtf8(text, length, &utf8)) {
    return Status::OutOfMemory;
  }
  return DrawText(utf8, font, layout, format, brush);
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
  std::string utf8;
  if (!Utf16ToUtf8(text, length, &utf8)) {
    return Status::OutOfMemory;
  }
  return MeasureText(utf8, font, layout, format, bounds, codepointsFitted, linesFilled);
}

Status Graphics::MeasureString(const char16_t* text, int length, const Font* font,
                               const RectF& layout, const StringFormat* format, RectF* bounds,
                               int* codepointsFitted, int* linesFilled) const {
  return MeasureString(reinterpret_cast<const uint16_t*>(text), length, font, layout, format,
                       bounds, codepointsFitted, linesFilled);
}

Status Graphics::DrawText(const std::string& utf8, const Font* font, const RectF& layout,
                          const StringFormat* format, const Brush* brush) {
  if (Status status = Usable(brush); status != Status::Ok) {
    return status;
  }
  if (!font || !PangoDescription(font)) {
    return Status::InvalidParameter;
  }
  TextLayout text(fNative->fCairo.get(), utf8, *font, layout,
                  format ? *format : *StringFormat::GenericDefault());
  if (text.GetLastStatus() != Status::Ok) {
    return text.GetLastStatus();
  }
  cairo_save(fNative->fCairo.get());
  cairo_set_source(fNative->fCairo.get(), CairoPattern(brush));
  text.Draw(fNative->fCairo.get());
  cairo_restore(fNative->fCairo.get());
  return Status::Ok;
}

Status Graphics::MeasureText(const std::string& utf8, const Font* font, const RectF& layout,
                             const StringFormat* format, RectF* bounds, int* codepointsFitted,
                             int* linesFilled) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!font || !PangoDescription(font) || !bounds) {
    return Status::InvalidParameter;
  }
  TextLayout text(fNative->fCairo.get(), utf8, *font, layout,
                  format ? *format : *StringFormat::GenericDefault());
  if (text.GetLastStatus() != Status::Ok) {
    return text.GetLastStatus();
  }
  *bounds = text.GetBounds();
  if (codepointsFitted) {
    *codepointsFitted = Utf16UnitsIn(utf8, text.GetBytesShown());
  }
  if (linesFilled) {
    *linesFilled = text.GetLinesShown();
  }
  return Status::Ok;
}

} // namespace gfx
