#include "gfx/Font.h"

#include <cmath>
#include <new>

#include "gfx/Utf16.h"
#include "gfx/cairo/CairoNatives.h"

namespace gfx {

namespace {

constexpr float kPixelsPerPoint = 96.0f / 72.0f;
// Larger glyphs would be rasterised into images of gigabytes.
constexpr float kMaxPixelSize = 16384.0f;

bool PixelSizeFor(float size, Unit unit, float* pixels) {
  if (!std::isfinite(size) || size <= 0) {
    return false;
  }
  switch (unit) {
  case UnitPoint:
    *pixels = size * kPixelsPerPoint;
    break;
  case UnitPixel:
  case UnitWorld:
  case UnitDisplay:
    *pixels = size;
    break;
  default:
    return false;
  }
  return *pixels <= kMaxPixelSize;
}

} // namespace

Font::Font(const uint16_t* family, float emSize, int style, Unit unit)
    : fSize(emSize), fUnit(unit), fStyle(style) {
  if (family && !Utf16ToUtf8(family, -1, &fFamily)) {
    fStatus = Status::OutOfMemory;
    return;
  }
  Build();
}

Font::Font(const char16_t* family, float emSize, int style, Unit unit)
    : fSize(emSize), fUnit(unit), fStyle(style) {
  if (family && !Utf16ToUtf8(family, -1, &fFamily)) {
    fStatus = Status::OutOfMemory;
    return;
  }
  Build();
}

Font::Font(const char* familyUtf8, float emSize, int style, Unit unit)
    : fSize(emSize), fUnit(unit), fStyle(style) {
  try {
    fFamily = familyUtf8 ? familyUtf8 : "";
  } catch (const std::bad_alloc&) {
    fStatus = Status::OutOfMemory;
    return;
  }
  Build();
}

Font::~Font() = default;

std::unique_ptr<Font> Font::Clone() const {
  return std::unique_ptr<Font>(new (std::nothrow) Font(fFamily.c_str(), fSize, fStyle, fUnit));
}

void Font::Build() {
  if (fFamily.empty() || !PixelSizeFor(fSize, fUnit, &fPixelSize)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  fNative.reset(new (std::nothrow) NativeFont);
  if (fNative) {
    fNative->fDescription.reset(pango_font_description_new());
  }
  if (!fNative || !fNative->fDescription) {
    fNative.reset();
    fStatus = Status::OutOfMemory;
    return;
  }
  pango_font_description_set_family(fNative->fDescription.get(), fFamily.c_str());
  pango_font_description_set_absolute_size(fNative->fDescription.get(), fPixelSize * PANGO_SCALE);
  pango_font_description_set_weight(fNative->fDescription.get(), (fStyle & FontStyleBold)
                                                                     ? PANGO_WEIGHT_BOLD
                                                                     : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(fNative->fDescription.get(), (fStyle & FontStyleItalic)
                                                                    ? PANGO_STYLE_ITALIC
                                                                    : PANGO_STYLE_NORMAL);
  fStatus = Resolve();
  if (fStatus != Status::Ok) {
    fNative.reset();
  }
}

// Asks the font look-up which face the description lands on.
Status Font::Resolve() {
  PangoFontMap* map = pango_cairo_font_map_get_default(); // shared, not ours to release
  if (!map) {
    return Status::FontFamilyNotFound;
  }
  PangoContextPtr context(pango_font_map_create_context(map));
  if (!context) {
    return Status::OutOfMemory;
  }
  PangoFontPtr face(pango_font_map_load_font(map, context.get(), fNative->fDescription.get()));
  if (!face) {
    return Status::FontFamilyNotFound;
  }
  FontDescPtr found(pango_font_describe(face.get()));
  const char* family = found ? pango_font_description_get_family(found.get()) : nullptr;
  if (!family) {
    return Status::FontFamilyNotFound;
  }
  try {
    fResolvedFamily = family;
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  fFamilyAvailable = g_ascii_strcasecmp(family, fFamily.c_str()) == 0;
  return Status::Ok;
}

} // namespace gfx
