#include "gfx/Font.h"

#include <cmath>
#include <new>

#include "gfx/Utf16.h"
#include "gfx/gdiplus/GdiplusNatives.h"

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

std::wstring Wide(const std::string& utf8) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), units);
  return wide;
}

// The system's sans-serif face, else the first installed family (a system may lack the first).
Gdiplus::FontFamily* FallbackFamily() {
  if (const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif()) {
    return generic->Clone();
  }
  Gdiplus::InstalledFontCollection installed;
  Gdiplus::FontFamily first;
  INT found = 0;
  if (installed.GetFamilyCount() > 0 && installed.GetFamilies(1, &first, &found) == Gdiplus::Ok &&
      found == 1) {
    return first.Clone();
  }
  return nullptr;
}

std::string Narrow(const WCHAR* wide) {
  std::string utf8;
  Utf16ToUtf8(reinterpret_cast<const uint16_t*>(wide), -1, &utf8);
  return utf8;
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
  if (!GdiplusReady()) {
    fStatus = Status::GenericError;
    return;
  }
  fStatus = Resolve();
  if (fStatus != Status::Ok) {
    fNative.reset();
  }
}

// A family that is not installed falls back to another face. The font is made in
// pixels, so that its size does not depend on the device's resolution.
Status Font::Resolve() {
  try {
    fNative.reset(new (std::nothrow) NativeFont);
    if (!fNative) {
      return Status::OutOfMemory;
    }
    fNative->fFamily.reset(new Gdiplus::FontFamily(Wide(fFamily).c_str()));
    fFamilyAvailable = fNative->fFamily && fNative->fFamily->GetLastStatus() == Gdiplus::Ok;
    if (!fFamilyAvailable) {
      fNative->fFamily.reset(FallbackFamily());
    }
    if (!fNative->fFamily || fNative->fFamily->GetLastStatus() != Gdiplus::Ok) {
      return Status::FontFamilyNotFound;
    }
    const int gdiplusStyle =
        fStyle & (FontStyleBold | FontStyleItalic | FontStyleUnderline | FontStyleStrikeout);
    fNative->fFont.reset(
        new Gdiplus::Font(fNative->fFamily.get(), fPixelSize, gdiplusStyle, Gdiplus::UnitPixel));
    if (!fNative->fFont) {
      return Status::OutOfMemory;
    }
    if (Status status = StatusOf(fNative->fFont->GetLastStatus()); status != Status::Ok) {
      return status;
    }
    WCHAR name[LF_FACESIZE] = {};
    fNative->fFamily->GetFamilyName(name);
    fResolvedFamily = Narrow(name);
  } catch (const std::bad_alloc&) {
    return Status::OutOfMemory;
  }
  return Status::Ok;
}

} // namespace gfx
