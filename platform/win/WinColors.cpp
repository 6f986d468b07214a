#include "platform/win/WinColors.h"

#include <new>

#include "sdk/HostPlatform.h"

gfx::Brush* WinColors::sWhiteBrush = nullptr;
gfx::Brush* WinColors::sBtnFaceBrush = nullptr;
gfx::Brush* WinColors::sHighlightBrush = nullptr;
gfx::Brush* WinColors::s3DFaceBrush = nullptr;
gfx::Brush* WinColors::s3DShadowBrush = nullptr;
gfx::Brush* WinColors::s3DLightBrush = nullptr;

namespace {

gfx::Brush* Cached(gfx::Brush*& cache, int sysColor) {
  if (cache == nullptr) {
    cache = WinColors::CreateSysColorBrush(sysColor);
  }
  return cache;
}

} // namespace

gfx::SolidBrush* WinColors::CreateSysColorBrush(int index) {
  // System colours come red first from the low byte.
  const uint32_t bgr = GetSysColor(index);
  const gfx::Color color(uint8_t(bgr), uint8_t(bgr >> 8), uint8_t(bgr >> 16));
  return new (std::nothrow) gfx::SolidBrush(color);
}

gfx::Brush* WinColors::GetWhiteBrush() {
  if (sWhiteBrush == nullptr) {
    sWhiteBrush = new (std::nothrow) gfx::SolidBrush(gfx::Color(255, 255, 255));
  }
  return sWhiteBrush;
}

gfx::Brush* WinColors::GetBtnFaceBrush() {
  return Cached(sBtnFaceBrush, COLOR_BTNFACE);
}

gfx::Brush* WinColors::GetHighlightBrush() {
  return Cached(sHighlightBrush, COLOR_HIGHLIGHT);
}

gfx::Brush* WinColors::Get3DFaceBrush() {
  return Cached(s3DFaceBrush, COLOR_3DFACE);
}

gfx::Brush* WinColors::Get3DShadowBrush() {
  return Cached(s3DShadowBrush, COLOR_3DSHADOW);
}

gfx::Brush* WinColors::Get3DLightBrush() {
  return Cached(s3DLightBrush, COLOR_3DLIGHT);
}
