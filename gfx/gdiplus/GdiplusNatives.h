// The GDI+ side's data classes behind the drawing objects, and what its sources share: starting
// GDI+ once, and the conversions between the layer's values and GDI+'s.
#pragma once

// The layer's own names first: GDI+'s headers define some of them (the pixel formats) as macros.
#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/Pen.h"
#include "gfx/Region.h"
#include "gfx/StringFormat.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// GDI+'s headers use these without including them.
#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>
// The layer's enumerators of the same names carry the same values.
#undef PixelFormat32bppRGB
#undef PixelFormat32bppARGB
#undef PixelFormat32bppPARGB

#include <memory>
#include <vector>

namespace gfx {

class NativeGraphics {
public:
  std::unique_ptr<Gdiplus::Graphics> fGraphics;
  std::vector<Gdiplus::GraphicsState> fStates; // one per open Save
};

class NativeBitmap {
public:
  std::unique_ptr<Gdiplus::Bitmap> fBitmap;
  Gdiplus::BitmapData fLocked = {};
};

class NativeBrush {
public:
  std::unique_ptr<Gdiplus::SolidBrush> fBrush;
};

class NativePen {
public:
  std::unique_ptr<Gdiplus::Pen> fPen;
  std::unique_ptr<Gdiplus::Brush> fFill; // the same paint, for strokes drawn as fills
};

class NativeFont {
public:
  std::unique_ptr<Gdiplus::FontFamily> fFamily;
  std::unique_ptr<Gdiplus::Font> fFont;
};

// GDI+ objects come from GDI+'s own allocator (plain new), which answers null rather than
// throwing when memory runs out.

// GDI+ started for the life of the process, on first use; false when it cannot start.
bool GdiplusReady();

// Null when the object failed to build.
inline Gdiplus::Bitmap* GdiplusBitmap(const Bitmap* bitmap) {
  return bitmap && bitmap->Native() ? bitmap->Native()->fBitmap.get() : nullptr;
}
inline Gdiplus::SolidBrush* GdiplusBrush(const Brush* brush) {
  return brush && brush->Native() ? brush->Native()->fBrush.get() : nullptr;
}
inline Gdiplus::Pen* GdiplusPen(const Pen* pen) {
  return pen && pen->Native() ? pen->Native()->fPen.get() : nullptr;
}
inline Gdiplus::Font* GdiplusFont(const Font* font) {
  return font && font->Native() ? font->Native()->fFont.get() : nullptr;
}

Status StatusOf(Gdiplus::Status status);
inline Gdiplus::Color GdiplusColor(const Color& color) {
  return Gdiplus::Color(color.GetValue());
}
inline Gdiplus::RectF GdiplusRect(const RectF& r) {
  return Gdiplus::RectF(r.X, r.Y, r.Width, r.Height);
}
Gdiplus::Matrix* NewGdiplusMatrix(const Matrix& matrix);
// Null when there is no memory for it.
std::unique_ptr<Gdiplus::GraphicsPath> NewGdiplusPath(const GraphicsPath& path);
std::unique_ptr<Gdiplus::Region> NewGdiplusRegion(const Region& region);
std::unique_ptr<Gdiplus::StringFormat> NewGdiplusFormat(const StringFormat& format);

} // namespace gfx
