// Brushes in the window system's colours, made once per process on first request and kept for
// its life, so drawing code can use them without owning them.
#pragma once

#include "gfx/Brush.h"

class WinColors {
public:
  // Null only when the brush could not be made; the next request tries again.
  static gfx::Brush* GetWhiteBrush();
  static gfx::Brush* GetBtnFaceBrush();
  static gfx::Brush* GetHighlightBrush();
  static gfx::Brush* Get3DFaceBrush();
  static gfx::Brush* Get3DShadowBrush();
  static gfx::Brush* Get3DLightBrush();

  // A new opaque brush in system colour `index`; the caller owns it. Null without memory.
  static gfx::SolidBrush* CreateSysColorBrush(int index);

private:
  static gfx::Brush* sWhiteBrush;
  static gfx::Brush* sBtnFaceBrush;
  static gfx::Brush* sHighlightBrush;
  static gfx::Brush* s3DFaceBrush;
  static gfx::Brush* s3DShadowBrush;
  static gfx::Brush* s3DLightBrush;
};
