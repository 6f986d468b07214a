#include "platform/win/WinText.h"

#include <new>

WinText::WinText(const PA_Unichar* family, int size, unsigned long /*unused*/) {
  if (family != nullptr) {
    fFont.reset(new (std::nothrow)
                    gfx::Font(family, float(size), gfx::FontStyleRegular, gfx::UnitPoint));
  }
  fFormat.reset(new (std::nothrow) gfx::StringFormat(*gfx::StringFormat::GenericTypographic()));
  if (fFormat != nullptr) {
    fFormat->SetTrimming(gfx::StringTrimmingEllipsisCharacter);
  }
  fBrush.reset(new (std::nothrow) gfx::SolidBrush(gfx::Color(0, 0, 0)));
}

WinText::~WinText() = default;

float WinText::MeasureTextHeight(const gfx::Graphics* graphics, const PA_Unichar* text,
                                 const gfx::Font* font, const gfx::StringFormat* format,
                                 float width) {
  if (graphics == nullptr || text == nullptr || font == nullptr) {
    return 0;
  }
  gfx::RectF bounds;
  if (graphics->MeasureString(text, -1, font, gfx::RectF(0, 0, width, 0), format, &bounds) !=
      gfx::Status::Ok) {
    return 0;
  }
  return bounds.Height;
}
