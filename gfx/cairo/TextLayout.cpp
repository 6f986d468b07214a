#include "gfx/cairo/TextLayout.h"

#include <limits.h>

#include "gfx/cairo/CairoNatives.h"
#include <algorithm>
#include <atomic>
#include <cmath>

namespace gfx {

namespace {

std::atomic<uint64_t> gLinesLaidOut{0};

// Layout sizes in the text engine's units must fit 32 bits.
constexpr float kMaxExtent = 1.0e6f;

float AlignmentFactor(StringAlignment alignment) {
  return alignment == StringAlignmentCenter ? 0.5f : alignment == StringAlignmentFar ? 1.0f : 0.0f;
}

PangoAlignment PangoAlignmentFor(StringAlignment alignment) {
  return alignment == StringAlignmentCenter ? PANGO_ALIGN_CENTER
         : alignment == StringAlignmentFar  ? PANGO_ALIGN_RIGHT
                                            : PANGO_ALIGN_LEFT;
}

bool Ellipsizes(StringTrimming trimming) {
  return trimming == StringTrimmingEllipsisCharacter || trimming == StringTrimmingEllipsisWord ||
         trimming == StringTrimmingEllipsisPath;
}

float FromPango(int units) {
  return float(units) / PANGO_SCALE;
}

// The head of a long text laid out first, doubled until enough lines run past the box: those
// past it that a break could still move, and one more.
constexpr size_t kFirstHeadBytes = 64;
constexpr int kLinesPastTheBox = 3;

// The lines whose bottom lies below `limit`.
int LinesPast(PangoLayout* layout, int limit) {
  int past = 0;
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  do {
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    if (logical.y + logical.height > limit) {
      ++past;
    }
  } while (past < kLinesPastTheBox && pango_layout_iter_next_line(iter));
  pango_layout_iter_free(iter);
  return past;
}

} // namespace

TextLayout::TextLayout(cairo_t* cr, const std::string& utf8, const Font& font,
                       const RectF& layoutRect, const StringFormat& format)
    : fRect(layoutRect) {
  if (!cr || !PangoDescription(&font) || !std::isfinite(fRect.X) || !std::isfinite(fRect.Y) ||
      !std::isfinite(fRect.Width) || !std::isfinite(fRect.Height) || fRect.Width < 0 ||
      fRect.Height < 0 || fRect.Width > kMaxExtent || fRect.Height > kMaxExtent ||
      utf8.size() > INT_MAX) {
    fStatus = Status::InvalidParameter;
    return;
  }
  fLayout.reset(pango_cairo_create_layout(cr));
  if (!fLayout) {
    fStatus = Status::OutOfMemory;
    return;
  }
  Configure(font, format);
  if (utf8.empty()) {
    pango_layout_set_text(fLayout.get(), utf8.data(), 0);
    fBounds = RectF(fRect.X, fRect.Y, 0, 0);
  } else {
    SetText(utf8, format);
    Place(format);
  }
  fStatus = Status::Ok;
}

void TextLayout::Configure(const Font& font, const StringFormat& format) {
  PangoLayout* layout = fLayout.get();
  // Unhinted metrics: a text measures the same whatever the transform it is drawn with.
  FontOptionsPtr options(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options.get());
  pango_layout_context_changed(layout);

  pango_layout_set_font_description(layout, PangoDescription(&font));
  AttrListPtr attributes(pango_attr_list_new());
  // A word too long for its line is broken between characters and nothing is added: the text
  // engine would otherwise draw a hyphen that is not in the text.
  pango_attr_list_insert(attributes.get(), pango_attr_insert_hyphens_new(FALSE));
  if (font.IsUnderline()) {
    pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  }
  if (font.IsStrikeout()) {
    pango_attr_list_insert(attributes.get(), pango_attr_strikethrough_new(TRUE));
  }
  pango_layout_set_attributes(layout, attributes.get());

  bool bounded = fRect.Width > 0;
  bool ellipsis =
      bounded && Ellipsizes(format.GetTrimming()) && (!format.Wraps() || fRect.Height > 0);
  if (bounded && (format.Wraps() || ellipsis)) {
    pango_layout_set_width(layout, int(fRect.Width * PANGO_SCALE));
  }
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  if (ellipsis) {
    pango_layout_set_ellipsize(layout, format.GetTrimming() == StringTrimmingEllipsisPath
                                           ? PANGO_ELLIPSIZE_MIDDLE
                                           : PANGO_ELLIPSIZE_END);
    // A positive height keeps the lines that fit and ends the last with the ellipsis; -1 keeps
    // one line per paragraph.
    pango_layout_set_height(layout, format.Wraps() ? int(fRect.Height * PANGO_SCALE) : -1);
  }
  pango_layout_set_alignment(layout, PangoAlignmentFor(format.GetAlignment()));
}

// Laying text out breaks all of it into lines, however few the box shows: a long word in a small
// caption box would make thousands. Where only the lines that fit matter (a line limit, wrapped
// lines, no ellipsis), a growing head of the text is laid out until it runs two lines past the
// box: the lines the box shows then break as they do in the whole text.
void TextLayout::SetText(const std::string& utf8, const StringFormat& format) {
  PangoLayout* layout = fLayout.get();
  const bool onlyWhatFits = format.LimitsLines() && fRect.Height > 0 &&
                            pango_layout_get_width(layout) > 0 &&
                            pango_layout_get_ellipsize(layout) == PANGO_ELLIPSIZE_NONE;
  const int limit = int(std::ceil(fRect.Height * PANGO_SCALE));
  size_t length = onlyWhatFits ? kFirstHeadBytes : utf8.size();
  for (;;) {
    if (length >= utf8.size()) {
      length = utf8.size();
    } else {
      // Cut before a whole character.
      while (length > 0 && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) {
        --length;
      }
    }
    pango_layout_set_text(layout, utf8.data(), int(length));
    gLinesLaidOut += static_cast<uint64_t>(pango_layout_get_line_count(layout));
    if (length == utf8.size() || LinesPast(layout, limit) >= kLinesPastTheBox) {
      return;
    }
    length *= 2;
  }
}

void TextLayout::Place(const StringFormat& format) {
  PangoLayout* layout = fLayout.get();
  bool limitLines = format.LimitsLines() && fRect.Height > 0;
  int limit = int(std::ceil(fRect.Height * PANGO_SCALE));
  int minX = INT_MAX, maxX = INT_MIN, bottom = 0;

  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  do {
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    if (limitLines && logical.y + logical.height > limit) {
      break;
    }
    minX = std::min(minX, logical.x);
    maxX = std::max(maxX, logical.x + logical.width);
    bottom = logical.y + logical.height;
    PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
    fBytesShown = line->start_index + line->length;
    ++fLinesShown;
  } while (pango_layout_iter_next_line(iter));
  pango_layout_iter_free(iter);
  if (fLinesShown == 0) {
    minX = maxX = 0;
  }

  PangoRectangle whole;
  pango_layout_get_extents(layout, nullptr, &whole);
  float hFactor = AlignmentFactor(format.GetAlignment());
  float vFactor = AlignmentFactor(format.GetLineAlignment());
  fShownHeight = FromPango(bottom);
  if (pango_layout_get_width(layout) > 0) {
    fOriginX = fRect.X; // the layout aligns its lines within the width itself
  } else if (fRect.Width > 0) {
    fOriginX = fRect.X + (fRect.Width - FromPango(whole.width)) * hFactor;
  } else {
    fOriginX = fRect.X - FromPango(whole.width) * hFactor;
  }
  fOriginY = fRect.Height > 0 ? fRect.Y + (fRect.Height - fShownHeight) * vFactor
                              : fRect.Y - fShownHeight * vFactor;
  fBounds = RectF(fOriginX + FromPango(minX), fOriginY, FromPango(maxX - minX), fShownHeight);

  fClipX = format.Clips() && fRect.Width > 0;
  fClipY = format.Clips() && fRect.Height > 0;
  // Lines cut by the line limit stay hidden even when the format does not clip.
  fCutAt = fShownHeight < FromPango(whole.height) ? fOriginY + fShownHeight : NAN;
}

uint64_t TextLayout::LinesLaidOut() {
  return gLinesLaidOut;
}

void TextLayout::Draw(cairo_t* cr) const {
  if (fStatus != Status::Ok || fLinesShown == 0) {
    return;
  }
  cairo_save(cr);
  if (fClipX || fClipY || !std::isnan(fCutAt)) {
    // Sides without a limit take the current clip's, which always has bounds here.
    double x1, y1, x2, y2;
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    if (fClipX) {
      x1 = fRect.X;
      x2 = fRect.GetRight();
    }
    if (fClipY) {
      y1 = fRect.Y;
      y2 = fRect.GetBottom();
    }
    if (!std::isnan(fCutAt)) {
      y2 = std::min<double>(y2, fCutAt);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, x1, y1, std::max(0.0, x2 - x1), std::max(0.0, y2 - y1));
    cairo_clip(cr);
  }
  cairo_move_to(cr, fOriginX, fOriginY);
  pango_cairo_show_layout(cr, fLayout.get());
  cairo_restore(cr);
}

} // namespace gfx
