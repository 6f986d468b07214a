#include <new>

#include "gfx/Brush.h"
#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"

namespace {

enum : int32_t {
  kCaretBlinks = 2,
  kCaretArrowHeads = 4,
  kSystemHighlightColor = -254,
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

ZorvinArea* ZorvinArea::sCaretBlinkArea = nullptr;

void ZorvinArea::EnableDragCaret(uint32_t cell, DropCellPart part) {
  // The same insertion position may be named from either neighbour.
  if (cell == 0 || fCaretWidth <= 0 ||
      static_cast<int64_t>(cell) + part == static_cast<int64_t>(fCaretCell) + fCaretPart) {
    return;
  }
  if (fCaretShown) {
    fCaretShown = false;
    RedrawCaretImmediately();
  }
  fCaretCell = cell;
  fCaretPart = part;
  fCaretShown = true;
  if ((fDragFlags & kCaretBlinks) != 0) {
    // Drawn first at the first toggle.
    StartCaretBlinkTimer();
  } else {
    RedrawCaretImmediately();
  }
}

void ZorvinArea::DisableDragCaret() {
  if (!fCaretShown) {
    return;
  }
  fCaretShown = false;
  RedrawCaretImmediately();
  fCaretCell = 0;
  fCaretPart = kDropBefore;
  if ((fDragFlags & kCaretBlinks) != 0) {
    StopCaretBlinkTimer();
  }
}

void ZorvinArea::RedrawCaretImmediately() {
  RedrawDocRectImmediately(GetCaretRect(fCaretCell, fCaretPart));
}

void ZorvinArea::StartCaretBlinkTimer() {
  StopCaretBlinkTimer();
  sCaretBlinkArea = this;
  fCaretBlinkOn = false;
  // 0 means not blinking, so a clock at 0 toggles first a tick later.
  const uint32_t now = TickCount();
  fCaretNextBlink = now != 0 ? now : 1;
}

void ZorvinArea::StopCaretBlinkTimer() {
  fCaretNextBlink = 0;
  sCaretBlinkArea = nullptr;
}

void ZorvinArea::CaretTimerTask() {
  ZorvinArea* area = sCaretBlinkArea;
  if (area == nullptr || area->fCaretNextBlink == 0) {
    return;
  }
  const uint32_t now = TickCount();
  // Tick counts wrap; the difference says which comes first.
  if (static_cast<int32_t>(now - area->fCaretNextBlink) < 0) {
    return;
  }
  const uint32_t next = now + static_cast<uint32_t>(area->fCaretBlinkInterval);
  area->fCaretNextBlink = next != 0 ? next : 1;
  area->fCaretBlinkOn = !area->fCaretBlinkOn;
  area->RedrawCaretImmediately();
}

void ZorvinArea::SetupNativeCaretColor() {
  fCaretBrush.reset();
  if (fCaretColor != kSystemHighlightColor) {
    fCaretBrush = CreateOpaqueBrush(fCaretColor);
    return;
  }
  const uint32_t bgr = GetSysColor(COLOR_MENUHILIGHT);
  const RGBColor rgb{static_cast<uint16_t>((bgr & 0xFF) * 257),
                     static_cast<uint16_t>(((bgr >> 8) & 0xFF) * 257),
                     static_cast<uint16_t>(((bgr >> 16) & 0xFF) * 257)};
  const uint32_t argb = FourD::GetARGBColorFromRGBColor(&rgb) | 0xFF000000u;
  fCaretBrush.reset(new (std::nothrow) gfx::SolidBrush(gfx::Color(argb)));
  if (fCaretBrush != nullptr && fCaretBrush->GetLastStatus() != gfx::Status::Ok) {
    fCaretBrush.reset();
  }
}

void ZorvinArea::CleanupNativeCaretColor() {
  fCaretBrush.reset();
}
