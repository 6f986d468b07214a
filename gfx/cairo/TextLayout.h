// One piece of text laid out in a layout rectangle with a font and a string format, ready to be
// measured or drawn on the native context it was made for. A layout rectangle of width 0 does not
// wrap; one of height 0 does not limit the lines.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "gfx/Font.h"
#include "gfx/GfxTypes.h"
#include "gfx/StringFormat.h"
#include "gfx/cairo/GfxHandles.h"

namespace gfx {

class TextLayout {
public:
  TextLayout(cairo_t* cr, const std::string& utf8, const Font& font, const RectF& layoutRect,
             const StringFormat& format);
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  Status GetLastStatus() const { return fStatus; }
  // Where the shown lines land, in the context's user space.
  RectF GetBounds() const { return fBounds; }
  int GetLinesShown() const { return fLinesShown; }
  // Code units of the UTF-8 text that the shown lines hold.
  int GetBytesShown() const { return fBytesShown; }

  void Draw(cairo_t* cr) const;

  // Lines the text engine has broken text into, over every layout made so far: what laying text
  // out costs, which tests bound.
  static uint64_t LinesLaidOut();

private:
  void Configure(const Font& font, const StringFormat& format);
  void SetText(const std::string& utf8, const StringFormat& format);
  void Place(const StringFormat& format);

  LayoutPtr fLayout;
  RectF fRect;
  RectF fBounds;
  float fOriginX = 0; // where the layout's own (0, 0) goes
  float fOriginY = 0;
  float fShownHeight = 0;
  int fLinesShown = 0;
  int fBytesShown = 0;
  bool fClipX = false;
  bool fClipY = false;
  float fCutAt = std::numeric_limits<float>::quiet_NaN(); // where lines cut by the limit begin
  Status fStatus = Status::WrongState;
};

} // namespace gfx
