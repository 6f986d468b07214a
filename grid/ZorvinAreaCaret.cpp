#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"

namespace {

enum : int32_t {
  kCaretBlinks = 2,
  kCaretArrowHeads = 4,
};

} // namespace

void ZorvinArea::DrawCaret(gfx::Graphics* graphics) {
  if (graphics == nullptr || !fCaretShown || fCaretBrush == nullptr) {
    return;
  }
  if ((fDragFlags & kCaretBlinks) != 0 && !fCaretBlinkOn) {
    return;
  }
  const CGRect doc = GetCaretRect(fCaretCell, fCaretPart);
  // The pass draws in scaled space.
  const CGPoint origin = DocPointToScaled(doc.origin);
  const CGSize size = DocSizeToScaled(doc.size);
  const float x = origin.x, y = origin.y, w = size.width, h = size.height;
  const bool vertical = IsCaretVertical();
  const gfx::GraphicsState state = graphics->Save();
  gfx::Pen pen(fCaretBrush.get(), static_cast<float>(fCaretWidth));
  if (vertical) {
    graphics->DrawLine(&pen, x + w / 2, y, x + w / 2, y + h);
  } else {
    graphics->DrawLine(&pen, x, y + h / 2, x + w, y + h / 2);
  }
  if ((fDragFlags & kCaretArrowHeads) != 0) {
    if (vertical) {
      const gfx::PointF top[] = {{x, y}, {x + w, y}, {x + w / 2, y + w}};
      const gfx::PointF bottom[] = {{x, y + h}, {x + w, y + h}, {x + w / 2, y + h - w}};
      graphics->FillPolygon(fCaretBrush.get(), top, 3);
      graphics->FillPolygon(fCaretBrush.get(), bottom, 3);
    } else {
      const gfx::PointF left[] = {{x, y}, {x, y + h}, {x + h, y + h / 2}};
      const gfx::PointF right[] = {{x + w, y}, {x + w, y + h}, {x + w - h, y + h / 2}};
      graphics->FillPolygon(fCaretBrush.get(), left, 3);
      graphics->FillPolygon(fCaretBrush.get(), right, 3);
    }
  }
  graphics->Restore(state);
}
