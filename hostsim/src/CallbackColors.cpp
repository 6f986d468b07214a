// Host colour values (0x00RRGGBB, negative for system colours) and their conversions.
#include "Callback.h"

namespace zvhost::callback {

namespace {

constexpr int32_t kHighlightColor = -254;
constexpr int32_t kNoColor = -256;
constexpr uint32_t kHighlightRGB = 0x0078D7;

// The RGB of a host colour value; false for a value that names no colour.
bool ColorToRGB(int32_t color, uint32_t* rgb) {
  if (color == kHighlightColor) {
    *rgb = kHighlightRGB;
    return true;
  }
  if (color < 0 || color > 0xFFFFFF) {
    *rgb = 0;
    return false;
  }
  *rgb = static_cast<uint32_t>(color);
  return true;
}

uint16_t Widen(uint32_t channel) {
  return static_cast<uint16_t>((channel & 0xFF) * 0x101);
}

// Platform colour indices, as the window system numbers them.
struct PlatformColor {
  int32_t index;
  int32_t color;
};
constexpr PlatformColor kPlatformColors[] = {
    {5, 0xFFFFFF},  // window
    {8, 0x000000},  // window text
    {13, 0x0078D7}, // highlight
    {14, 0xFFFFFF}, // highlight text
    {15, 0xF0F0F0}, // button face
    {16, 0xA0A0A0}, // button shadow
    {18, 0x000000}, // button text
    {20, 0xFFFFFF}, // button highlight
};

} // namespace

void GetRGBColor(FDEngineBlock& b) {
  uint32_t rgb = 0;
  if (!ColorToRGB(b.fParam1, &rgb)) {
    b.fError = kFDErrBadParameter;
  }
  b.fParam1 = Widen(rgb >> 16);
  b.fParam2 = Widen(rgb >> 8);
  b.fParam3 = Widen(rgb);
}

void GetARGBFrom4DColor(FDEngineBlock& b) {
  uint32_t rgb = 0;
  if (b.fParam1 == kNoColor) {
    b.fParam1 = 0; // fully transparent
    return;
  }
  if (!ColorToRGB(b.fParam1, &rgb)) {
    b.fError = kFDErrBadParameter;
  }
  b.fParam1 = static_cast<int32_t>(0xFF000000u | rgb);
}

void GetARGBFromRGBColor(FDEngineBlock& b) {
  auto narrow = [](int32_t channel) { return (static_cast<uint32_t>(channel) >> 8) & 0xFF; };
  b.fParam1 = static_cast<int32_t>(0xFF000000u | (narrow(b.fParam1) << 16) |
                                   (narrow(b.fParam2) << 8) | narrow(b.fParam3));
}

void GetPlatformColor(FDEngineBlock& b) {
  for (const PlatformColor& entry : kPlatformColors) {
    if (entry.index == b.fParam1) {
      b.fParam1 = entry.color;
      return;
    }
  }
  b.fParam1 = 0;
  b.fError = kFDErrBadParameter;
}

} // namespace zvhost::callback
