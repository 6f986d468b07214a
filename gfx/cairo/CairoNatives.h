// The Cairo side's data classes behind the drawing objects, and the accessors its sources use to
// reach the Cairo and Pango objects inside them.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/Pen.h"
#include "gfx/Region.h"
#include "gfx/cairo/GfxHandles.h"

namespace gfx {

class NativeGraphics {
public:
  CairoPtr fCairo;
};

class NativeBitmap {
public:
  SurfacePtr fSurface;
};

class NativeBrush {
public:
  PatternPtr fPattern;
};

class NativePen {
public:
  PatternPtr fPattern;
};

class NativeFont {
public:
  FontDescPtr fDescription;
};

// Null when the object failed to build.
inline cairo_surface_t* CairoSurface(const Bitmap* bitmap) {
  return bitmap && bitmap->Native() ? bitmap->Native()->fSurface.get() : nullptr;
}
inline cairo_pattern_t* CairoPattern(const Brush* brush) {
  return brush && brush->Native() ? brush->Native()->fPattern.get() : nullptr;
}
inline cairo_pattern_t* CairoPattern(const Pen* pen) {
  return pen && pen->Native() ? pen->Native()->fPattern.get() : nullptr;
}
inline const PangoFontDescription* PangoDescription(const Font* font) {
  return font && font->Native() ? font->Native()->fDescription.get() : nullptr;
}

cairo_matrix_t CairoMatrix(const Matrix& matrix);
void SetCairoMatrix(Matrix* matrix, const cairo_matrix_t& native);

// Replays the path into the context as its current path (after clearing it), with its fill rule.
void AppendPath(cairo_t* cr, const GraphicsPath& path);
// Intersects the context's clip with the region.
void ClipToRegion(cairo_t* cr, const Region& region);

} // namespace gfx
