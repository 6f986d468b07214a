#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "platform/win/WinText.h"

void ZorvinArea::DrawCellCaption(gfx::Graphics* graphics, const PA_Unichar* caption) {
  if (graphics == nullptr || caption == nullptr || fCaptionFont == nullptr ||
      fCaptionParagraphStyle == nullptr || fCaptionForeBrush == nullptr) {
    return;
  }
  const CGFloat width = fCaptionRect.size.width;
  const CGFloat height = fCaptionRect.size.height;
  CGFloat top = 0;
  CGFloat boxHeight = height;
  // Top-aligned text keeps the whole box, so it needs no measuring: laying text out is the
  // costliest part of drawing a cell. Text taller than its rectangle is laid out from the top
  // whatever the alignment, and clipped.
  const bool aligned =
      fCaptionVertAlignment == kZVAlignCenter || fCaptionVertAlignment == kZVAlignEnd;
  const CGFloat textHeight = aligned
                                 ? WinText::MeasureTextHeight(graphics, caption, fCaptionFont.get(),
                                                              fCaptionParagraphStyle.get(), width)
                                 : height;
  if (height > textHeight) {
    if (fCaptionVertAlignment == kZVAlignCenter) {
      top = (height - textHeight) / 2;
      boxHeight = textHeight;
    } else if (fCaptionVertAlignment == kZVAlignEnd) {
      top = height - textHeight;
      boxHeight = textHeight;
    }
  }
  const gfx::GraphicsState state = graphics->Save();
  graphics->TranslateTransform(fCaptionRect.origin.x, fCaptionRect.origin.y);
  graphics->TranslateTransform(0, top);
  const gfx::RectF box(0, 0, width, boxHeight);
  graphics->IntersectClip(box);
  graphics->DrawString(caption, -1, fCaptionFont.get(), box, fCaptionParagraphStyle.get(),
                       fCaptionForeBrush.get());
  graphics->Restore(state);
}
