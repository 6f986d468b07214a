#include "TipOverlay.h"

#include <algorithm>
#include <memory>

#include <cairo.h>
#include <pango/pangocairo.h>

#include "../../Utf.h"
#include "sdk/HostPlatform.h"

namespace zvhost::live {

namespace {

constexpr int32_t kPointerGapX = 12; // below and right of the arrow's tip, clear of the arrow
constexpr int32_t kPointerGapY = 20;
constexpr int32_t kPadding = 4;

void SetSourceSysColor(cairo_t* cr, int index) {
  const uint32_t bgr = GetSysColor(index);
  cairo_set_source_rgb(cr, (bgr & 0xFF) / 255.0, ((bgr >> 8) & 0xFF) / 255.0,
                       ((bgr >> 16) & 0xFF) / 255.0);
}

} // namespace

void DrawTip(FDDeviceContext& surface, const std::u16string& text, int32_t x, int32_t y) {
  if (text.empty() || surface.fPixels == nullptr) {
    return;
  }
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> target(
      cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(surface.fPixels),
                                          CAIRO_FORMAT_ARGB32, surface.fWidth, surface.fHeight,
                                          surface.fRowBytes),
      cairo_surface_destroy);
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(target.get()), cairo_destroy);
  std::unique_ptr<PangoLayout, decltype(&g_object_unref)> layout(
      pango_cairo_create_layout(cr.get()), g_object_unref);
  std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> font(
      pango_font_description_from_string("DejaVu Sans 9"), pango_font_description_free);
  pango_layout_set_font_description(layout.get(), font.get());
  const std::string utf8 = Utf16ToUtf8(text);
  pango_layout_set_text(layout.get(), utf8.c_str(), static_cast<int>(utf8.size()));
  int textWidth = 0;
  int textHeight = 0;
  pango_layout_get_pixel_size(layout.get(), &textWidth, &textHeight);
  const int32_t width = textWidth + 2 * kPadding;
  const int32_t height = textHeight + 2 * kPadding;
  const int32_t left = std::max(0, std::min(x + kPointerGapX, surface.fWidth - width));
  const int32_t top = std::max(0, std::min(y + kPointerGapY, surface.fHeight - height));
  cairo_rectangle(cr.get(), left + 0.5, top + 0.5, width - 1, height - 1);
  SetSourceSysColor(cr.get(), COLOR_INFOBK);
  cairo_fill_preserve(cr.get());
  SetSourceSysColor(cr.get(), COLOR_WINDOWFRAME);
  cairo_set_line_width(cr.get(), 1);
  cairo_stroke(cr.get());
  SetSourceSysColor(cr.get(), COLOR_INFOTEXT);
  cairo_move_to(cr.get(), left + kPadding, top + kPadding);
  pango_cairo_show_layout(cr.get(), layout.get());
  cairo_surface_flush(target.get());
}

} // namespace zvhost::live
