// The outlines of a cell: its rounded shape and clip, and the selection frame inside it.
#include "grid/ZorvinArea.h"

#include <new>

#include "gfx/Brush.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Region.h"

namespace {

std::unique_ptr<gfx::GraphicsPath> RoundedPath(const gfx::RectF& bounds, float rx, float ry) {
  auto path = std::unique_ptr<gfx::GraphicsPath>(new (std::nothrow) gfx::GraphicsPath);
  if (path != nullptr && path->AddRoundedRectangle(bounds, rx, ry) != gfx::Status::Ok) {
    path.reset();
  }
  return path;
}

std::unique_ptr<gfx::GraphicsPath> RectanglePath(const gfx::RectF& bounds) {
  auto path = std::unique_ptr<gfx::GraphicsPath>(new (std::nothrow) gfx::GraphicsPath);
  if (path != nullptr && path->AddRectangle(bounds) != gfx::Status::Ok) {
    path.reset();
  }
  return path;
}

} // namespace

void ZorvinArea::SetupNativeCellPaths() {
  const CGFloat width = fCellSize.width;
  const CGFloat height = fCellSize.height;
  const gfx::RectF bounds(0, 0, width, height);

  fCellClipRegion.reset();
  fCellPath.reset();
  // Square cells are not clipped.
  if (width > 0 && height > 0 && fCornerXRadius > 0 && fCornerYRadius > 0) {
    fCellPath =
        RoundedPath(bounds, static_cast<float>(fCornerXRadius), static_cast<float>(fCornerYRadius));
    if (fCellPath != nullptr) {
      fCellClipRegion.reset(new (std::nothrow) gfx::Region(fCellPath.get()));
      if (fCellClipRegion != nullptr && fCellClipRegion->GetLastStatus() != gfx::Status::Ok) {
        fCellClipRegion.reset();
      }
    }
  }

  fSelectionPath.reset();
  if (width <= 0 || height <= 0) {
    return;
  }
  // The frame is stroked on its centre line, so half its width goes inside the inset.
  const CGFloat halfFrame = fSelectionFrameWidth / 2.0;
  const gfx::RectF inner(fSelectionInsetX + halfFrame, fSelectionInsetY + halfFrame,
                         width - 2 * (fSelectionInsetX + halfFrame),
                         height - 2 * (fSelectionInsetY + halfFrame));
  const int32_t halfFrameUnits = fSelectionFrameWidth / 2;
  const int32_t rx = fCornerXRadius - fSelectionInsetX - halfFrameUnits;
  const int32_t ry = fCornerYRadius - fSelectionInsetY - halfFrameUnits;
  if (rx > 0 && 2.0 * rx <= inner.Width && ry > 0 && 2.0 * ry <= inner.Height) {
    fSelectionPath = RoundedPath(inner, static_cast<float>(rx), static_cast<float>(ry));
  } else {
    fSelectionPath = RectanglePath(inner);
  }
}

void ZorvinArea::SetupNativeSelectionColor() {
  fSelectionBrush.reset();
  fSelectionBrush = CreateOpaqueBrush(fSelectionFrameColor);
}

void ZorvinArea::CleanupNativeSelectionColor() {
  fSelectionBrush.reset();
}
