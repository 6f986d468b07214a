// Owning handles of the native objects behind the drawing layer: each object holds exactly one, so
// a failure half-way through building it cannot leak.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace gfx {

struct CairoDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
  void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};

struct PangoDeleter {
  void operator()(PangoFontDescription* desc) const { pango_font_description_free(desc); }
  void operator()(PangoAttrList* attrs) const { pango_attr_list_unref(attrs); }
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
  void operator()(PangoContext* context) const { g_object_unref(context); }
  void operator()(PangoFont* font) const { g_object_unref(font); }
};

using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoDeleter>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, CairoDeleter>;
using FontDescPtr = std::unique_ptr<PangoFontDescription, PangoDeleter>;
using AttrListPtr = std::unique_ptr<PangoAttrList, PangoDeleter>;
using LayoutPtr = std::unique_ptr<PangoLayout, PangoDeleter>;
using PangoContextPtr = std::unique_ptr<PangoContext, PangoDeleter>;
using PangoFontPtr = std::unique_ptr<PangoFont, PangoDeleter>;

} // namespace gfx
