// Caption text: font, paragraph style and colours, and the native objects drawn with them.
#include "grid/ZorvinArea.h"

#include <iterator>
#include <new>

#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/StringFormat.h"
#include "host/HostText.h"

namespace {

constexpr int32_t kFontNameCapacity = 256;
constexpr int32_t kKnownStyleBits =
    gfx::FontStyleBold | gfx::FontStyleItalic | gfx::FontStyleUnderline;

// The stored name is a fixed buffer: a longer one is cut, and compared and used as cut.
int32_t FittedLength(const PA_Unichar* text) {
  int32_t n = 0;
  while (n < kFontNameCapacity - 1 && text[n] != 0) {
    ++n;
  }
  return n;
}

bool SameUnits(const PA_Unichar* a, const PA_Unichar* b, int32_t length) {
  for (int32_t i = 0; i < length; ++i) {
    if (a[i] != b[i]) {
      return false;
    }
  }
  return b[length] == 0;
}

} // namespace

std::unique_ptr<gfx::Font> ZorvinArea::CreateNativeFont(const PA_Unichar* name, int32_t size,
                                                        int32_t style) {
  auto font = std::unique_ptr<gfx::Font>(new (std::nothrow) gfx::Font(
      name, static_cast<float>(size), style & kKnownStyleBits, gfx::UnitPoint));
  if (font != nullptr && font->GetLastStatus() != gfx::Status::Ok) {
    font.reset();
  }
  return font;
}

std::unique_ptr<gfx::StringFormat> ZorvinArea::CreateParagraphStyle(int32_t horizontal) {
  std::unique_ptr<gfx::StringFormat> style = gfx::StringFormat::GenericTypographic()->Clone();
  if (style == nullptr ||
      style->SetAlignment(static_cast<gfx::StringAlignment>(horizontal)) != gfx::Status::Ok ||
      style->SetTrimming(gfx::StringTrimmingWord) != gfx::Status::Ok) {
    return nullptr;
  }
  return style;
}

int32_t ZorvinArea::SetCaptionTextStyle(const PA_Unichar* fontName, int32_t size, int32_t style) {
  if (fontName == nullptr || fontName[0] == 0 || size <= 0) {
    return kFDErrBadParameter;
  }
  const int32_t length = FittedLength(fontName);
  if (SameUnits(fontName, fCaptionFontName, length) && size == fCaptionTextSize &&
      style == fCaptionTextStyle) {
    return kFDErrNone;
  }
  PA_Unichar name[kFontNameCapacity] = {};
  FourD::UniCopy(fontName, name, kFontNameCapacity);
  // The font comes first: a name or size it refuses leaves every setting as it was.
  std::unique_ptr<gfx::Font> font = CreateNativeFont(name, size, style);
  if (font == nullptr) {
    return kFDErrBadParameter;
  }
  FourD::UniCopy(name, fCaptionFontName, std::size(fCaptionFontName));
  fCaptionTextSize = size;
  fCaptionTextStyle = style;
  fCaptionFont = std::move(font);
  ++fLookGeneration;
  fNeedsRedraw = true;
  return kFDErrNone;
}

int32_t ZorvinArea::SetCaptionAlignment(int32_t horizontal, int32_t vertical) {
  if (horizontal == -1) {
    horizontal = fCaptionHorzAlignment;
  }
  if (vertical == -1) {
    vertical = fCaptionVertAlignment;
  }
  if (!IsValidHorzAlignment(horizontal) || !IsValidVertAlignment(vertical)) {
    return kFDErrBadParameter;
  }
  if (horizontal == fCaptionHorzAlignment && vertical == fCaptionVertAlignment) {
    return kFDErrNone;
  }
  // Without memory for the style the old alignment stays, and the caller learns why.
  std::unique_ptr<gfx::StringFormat> paragraph = CreateParagraphStyle(horizontal);
  if (paragraph == nullptr) {
    return kFDErrNoMemory;
  }
  fCaptionHorzAlignment = horizontal;
  fCaptionVertAlignment = vertical;
  fCaptionParagraphStyle = std::move(paragraph);
  fNeedsRedraw = true;
  return kFDErrNone;
}

void ZorvinArea::SetCaptionTextColors(int32_t fore, int32_t back) {
  if (fore == fCaptionForeColor && back == fCaptionBackColor) {
    return;
  }
  fCaptionForeBrush.reset();
  fCaptionBackBrush.reset();
  fCaptionForeColor = fore;
  fCaptionBackColor = back;
  SetupNativeCaptionColors();
  fNeedsRedraw = true;
}

void ZorvinArea::SetupNativeCaptionFont() {
  fCaptionFont = CreateNativeFont(fCaptionFontName, fCaptionTextSize, fCaptionTextStyle);
  ++fLookGeneration;
}

void ZorvinArea::SetupNativeCaptionParagraphStyle() {
  fCaptionParagraphStyle = CreateParagraphStyle(fCaptionHorzAlignment);
}

void ZorvinArea::SetupNativeCaptionColors() {
  fCaptionForeBrush = CreateOpaqueBrush(fCaptionForeColor);
  fCaptionBackBrush = CreateOpaqueBrush(fCaptionBackColor);
}

void ZorvinArea::SetupNativeCaptionThings() {
  SetupNativeCaptionFont();
  SetupNativeCaptionParagraphStyle();
  SetupNativeCaptionColors();
}

void ZorvinArea::CleanupNativeCaptionThings() {
  fCaptionFont.reset();
  fCaptionParagraphStyle.reset();
  fCaptionForeBrush.reset();
  fCaptionBackBrush.reset();
}
