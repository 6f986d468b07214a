// Caption text: a font, a typographic format that ends text too long for its box with an
// ellipsis, and a black brush; and the height text takes when wrapped in a given width.
#pragma once

#include <memory>

#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/Graphics.h"
#include "gfx/StringFormat.h"
#include "sdk/FourDPluginAPI.h"

class WinText {
public:
  // `family` is zero-terminated; the last value is accepted for the callers' sake and unused.
  // A part that could not be made (no memory, no name) is left null.
  WinText(const PA_Unichar* family, int size, unsigned long unused);
  virtual ~WinText();
  WinText(const WinText&) = delete;
  WinText& operator=(const WinText&) = delete;

  // Height of the measured bounds of `text` (zero-terminated) laid out `width` wide with no
  // height limit; 0 when anything is missing or measuring fails.
  static float MeasureTextHeight(const gfx::Graphics* graphics, const PA_Unichar* text,
                                 const gfx::Font* font, const gfx::StringFormat* format,
                                 float width);

  // Owned parts
  std::unique_ptr<gfx::Font> fFont;
  std::unique_ptr<gfx::StringFormat> fFormat;
  std::unique_ptr<gfx::Brush> fBrush;
};
