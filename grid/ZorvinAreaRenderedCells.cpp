// Redrawing a cell from its rendering: what makes scrolling and full redraws cheap.
#include <algorithm>
#include <new>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "platform/win/ContentView.h"

namespace {

// The content view keeps about three screens of rendered cells.
constexpr size_t kRenderedScreens = 3;
constexpr size_t kMinRenderedBytes = 4 * 1024 * 1024;

} // namespace

CellLook ZorvinArea::GetCellLook(const gfx::Graphics& graphics) const {
  CellLook look;
  look.fCellSize = fCellSize;
  look.fPictureRect = fPictureRect;
  look.fCaptionRect = fCaptionRect;
  look.fPictureFormat = fPictureFormat;
  look.fBackPictureFormat = fBackPictureFormat;
  look.fBackColor = GetBackColor();
  look.fCaptionForeColor = fCaptionForeColor;
  look.fCaptionBackColor = fCaptionBackColor;
  look.fCaptionHorzAlignment = fCaptionHorzAlignment;
  look.fCaptionVertAlignment = fCaptionVertAlignment;
  look.fCaptionTextSize = fCaptionTextSize;
  look.fCaptionTextStyle = fCaptionTextStyle;
  look.fNativeObjects = (fAreaBackBrush ? 1u : 0u) | (fCaptionFont ? 2u : 0u) |
                        (fCaptionParagraphStyle ? 4u : 0u) | (fCaptionForeBrush ? 8u : 0u) |
                        (fCaptionBackBrush ? 16u : 0u) | (fBackPictureImage ? 32u : 0u);
  look.fLookGeneration = fLookGeneration;
  look.fStampEpoch = fCache.GetStampEpoch();
  look.fDrawingModes = graphics.GetSmoothingMode() | graphics.GetInterpolationMode() << 8;
  return look;
}

bool ZorvinArea::DrawRenderedCell(gfx::Graphics* graphics, uint32_t cell) {
  // A rendering stands for the cell only where the cell paints every one of its pixels and lands
  // on whole pixels unscaled; elsewhere the cell is drawn as it is.
  if (graphics == nullptr || fAreaBackBrush == nullptr || !graphics->HasWholePixelTranslation())
    return false;
  const auto width = static_cast<int32_t>(fCellSize.width);
  const auto height = static_cast<int32_t>(fCellSize.height);
  if (width <= 0 || height <= 0 || width != fCellSize.width || height != fCellSize.height)
    return false;
  // Bounded by what the window shows, not by the area: a huge area's huge cells are not kept.
  const CGRect shown = ContentView::GetShownBounds(this);
  const size_t view = static_cast<size_t>(std::max(shown.size.width, CGFloat{0})) *
                      static_cast<size_t>(std::max(shown.size.height, CGFloat{0})) * 4;
  fRenderedCells.SetMaxByteSize(std::max(kMinRenderedBytes, view * kRenderedScreens));
  // A cell too big to be kept would be rendered whole at every draw: it is drawn as it is,
  // clipped to what the draw shows.
  if (!fRenderedCells.CanKeep(static_cast<size_t>(width) * static_cast<size_t>(height) * 4))
    return false;
  fRenderedCells.SetLook(GetCellLook(*graphics));
  const CellData data = fCache.GetCellData(cell);
  gfx::Bitmap* rendered = fRenderedCells.Find(cell, data.fStamp);
  if (rendered == nullptr) {
    std::unique_ptr<gfx::Bitmap> bitmap(new (std::nothrow)
                                            gfx::Bitmap(width, height, gfx::PixelFormat32bppRGB));
    if (bitmap == nullptr || bitmap->GetLastStatus() != gfx::Status::Ok)
      return false;
    {
      gfx::Graphics cellGraphics(bitmap.get());
      if (cellGraphics.GetLastStatus() != gfx::Status::Ok)
        return false;
      cellGraphics.SetSmoothingMode(graphics->GetSmoothingMode());
      cellGraphics.SetInterpolationMode(graphics->GetInterpolationMode());
      DrawPlainCell(&cellGraphics, cell);
    }
    rendered = fRenderedCells.Store(cell, data.fStamp, std::move(bitmap));
    if (rendered == nullptr)
      return false;
  }
  graphics->DrawImage(rendered, 0.0, 0.0);
  return true;
}
