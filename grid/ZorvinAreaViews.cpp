#include "grid/ZorvinArea.h"

void ZorvinArea::AdjustViews() {
  const float width = fAreaViewFrame.size.width;
  const float height = fAreaViewFrame.size.height;
  const float bar = static_cast<float>(ScrollbarThickness());
  const bool horz = IsHorzScrollVisible();
  const bool vert = IsVertScrollVisible();
  fHorzScrollFrame = horz ? CGRectMake(0, height - bar, width - (vert ? bar : 0), bar)
                          : CGRectMake(0, height - bar, 0, 0);
  fVertScrollFrame = vert ? CGRectMake(width - bar, 0, bar, height - (horz ? bar : 0))
                          : CGRectMake(width - bar, 0, 0, 0);
  fContentViewFrame =
      CGRectMake(0, 0, width - fVertScrollFrame.size.width, height - fHorzScrollFrame.size.height);
}

namespace {

// Content smaller than the view sits by the alignment; larger content keeps its scroll position
// but never shows empty space past its end.
float AdjustedOrigin(float origin, float view, float content, int32_t alignment) {
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

void ZorvinArea::AdjustScrollbars() {
  // The bar controls come with the platform layer; until then there is nothing to set.
}
