#include "platform/win/ScrollView.h"

#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "platform/win/CGBridges.h"
#include "platform/win/WinColors.h"

void ScrollView::Draw(ZorvinArea* area, gfx::Graphics* graphics) {
  if (area == nullptr || graphics == nullptr) {
    return;
  }
  const CGRect frame = area->GetAreaViewFrame();
  const CGFloat thickness = static_cast<CGFloat>(ZorvinArea::ScrollbarThickness());
  const CGFloat cornerX = frame.origin.x + frame.size.width - thickness;
  const CGFloat cornerY = frame.origin.y + frame.size.height - thickness;
  const gfx::GraphicsState state = graphics->Save();
  if (gfx::Brush* white = WinColors::GetWhiteBrush()) {
    graphics->FillRectangle(white, GdiplusRectFMakeWithCGRect(frame));
  }
  if (gfx::Brush* face = WinColors::GetBtnFaceBrush()) {
    graphics->FillRectangle(face, cornerX, cornerY, thickness, thickness);
  }
  if (gfx::Brush* light = WinColors::Get3DLightBrush()) {
    gfx::Pen pen(light, 1.0f);
    graphics->DrawLine(&pen, cornerX, cornerY, cornerX + thickness, cornerY);
    graphics->DrawLine(&pen, cornerX, cornerY, cornerX, cornerY + thickness);
  }
  graphics->Restore(state);
}
