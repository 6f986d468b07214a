#include "grid/ZorvinArea.h"

#include <algorithm>
#include <cstdint>

#include "platform/win/ZorvinAreaControlsWin.h"

void ZorvinArea::AdjustViews() {
  const CGFloat width = fAreaViewFrame.size.width;
  const CGFloat height = fAreaViewFrame.size.height;
  const auto bar = static_cast<CGFloat>(ZorvinAreaControlsWin::GetScrollbarSize());
  const bool horz = IsHorzScrollVisible();
  const bool vert = IsVertScrollVisible();
  fHorzScrollFrame = horz ? CGRectMake(0, height - bar, width - (vert ? bar : 0), bar)
                          : CGRectMake(0, height - bar, 0, 0);
  fVertScrollFrame = vert ? CGRectMake(width - bar, 0, bar, height - (horz ? bar : 0))
                          : CGRectMake(width - bar, 0, 0, 0);
  fContentViewFrame =
      CGRectMake(0, 0, width - fVertScrollFrame.size.width, height - fHorzScrollFrame.size.height);
  const bool shown = OnCurrentPage() && IsAreaVisible();
  SetScrollbarFrameAndVisibility(fHorzScrollBar, GetPortRelativeViewFrame(fHorzScrollFrame),
                                 horz && shown);
  SetScrollbarFrameAndVisibility(fVertScrollBar, GetPortRelativeViewFrame(fVertScrollFrame),
                                 vert && shown);
}

void ZorvinArea::SetScrollbarFrameAndVisibility(ControlHandle bar, CGRect frame, bool show) {
  if (bar == nullptr)
    return;
  HideControl(bar);
  SizeControl(bar, CGFloatToInt16(frame.size.width), CGFloatToInt16(frame.size.height));
  MoveControl(bar, CGFloatToInt16(frame.origin.x), CGFloatToInt16(frame.origin.y));
  if (show)
    ShowControl(bar);
}

CGRect ZorvinArea::GetPortRelativeViewFrame(CGRect frame) const {
  frame.origin.x += fAreaViewFrame.origin.x;
  frame.origin.y += fAreaViewFrame.origin.y;
  return frame;
}

CGPoint ZorvinArea::PortPointToContentView(CGPoint point) const {
  return CGPointMake(point.x - fAreaViewFrame.origin.x - fContentViewFrame.origin.x,
                     point.y - fAreaViewFrame.origin.y - fContentViewFrame.origin.y);
}

namespace {

// Content smaller than the view sits by the alignment; larger content keeps its scroll position
// but never shows empty space past its end.
CGFloat AdjustedOrigin(CGFloat origin, CGFloat view, CGFloat content, int32_t alignment) {
  if (view > content) {
    switch (alignment) {
    case kZVAlignStart:
      return 0;
    case kZVAlignCenter:
      return (view - content) / 2;
    case kZVAlignEnd:
      return view - content;
    default:
      return origin;
    }
  }
  if (view > origin + content) {
    return view - content;
  }
  return origin > 0 ? 0 : origin;
}

} // namespace

void ZorvinArea::AdjustOrigin() {
  fOrigin.x =
      AdjustedOrigin(fOrigin.x, fContentViewFrame.size.width, fContentSize.width, fHorzAlignment);
  fOrigin.y =
      AdjustedOrigin(fOrigin.y, fContentViewFrame.size.height, fContentSize.height, fVertAlignment);
}

namespace {

void AdjustScrollbar(ControlHandle bar, CGFloat content, CGFloat view, CGFloat origin,
                     CGFloat factor) {
  if (bar == nullptr)
    return;
  SetControl32BitMinimum(bar, 0);
  if (content > view) {
    const int32_t maximum = CGFloatToInt32((content - view) / factor);
    SetControl32BitMaximum(bar, maximum);
    SetControlViewSize(bar, std::max(1, CGFloatToInt32(view / factor)));
    SetControl32BitValue(bar,
                         -origin >= content - view ? maximum : CGFloatToInt32(-origin / factor));
  } else {
    SetControl32BitValue(bar, 0);
    SetControl32BitMaximum(bar, 0);
    SetControlViewSize(bar, INT32_MAX);
  }
}

} // namespace

void ZorvinArea::AdjustScrollbars() {
  AdjustScrollbar(fHorzScrollBar, fContentSize.width, fContentViewFrame.size.width, fOrigin.x,
                  BarFactor(fHorzScrollBar));
  AdjustScrollbar(fVertScrollBar, fContentSize.height, fContentViewFrame.size.height, fOrigin.y,
                  BarFactor(fVertScrollBar));
}
