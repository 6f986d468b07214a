// Drawing: the host's draw event, each cell from its parts or from its rendering, the redraws
// that cannot wait, and captures of one cell.
#include "grid/ZorvinArea.h"

#include <stdlib.h>

#include <algorithm>
#include <new>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "grid/RectFitting.h"
#include "host/FourD.h"
#include "platform/win/CGBridges.h"
#include "platform/win/ContentView.h"
#include "platform/win/ScrollView.h"
#include "platform/win/WinImages.h"

void ZorvinArea::DoDraw(gfx::Graphics* graphics) {
  if (graphics == nullptr || !fPostInitDone || !fFirstCycleDone || !fViewShown ||
      !OnCurrentPage()) {
    return;
  }
  if (fHostDragActive) {
    DoDragLeave();
  }
  const gfx::GraphicsState state = graphics->Save();
  graphics->IntersectClip(GdiplusRectFMakeWithCGRect(fAreaViewFrame));
  ScrollView::Draw(this, graphics);
  ContentView::Draw(this, graphics);
  graphics->Restore(state);
  fDrawnSinceIdle = true;
}

void ZorvinArea::DrawCell(gfx::Graphics* graphics, CellLocation location) {
  const uint32_t cell = CellLocationToIndex(location);
  if (!DrawRenderedCell(graphics, cell)) {
    DrawPlainCell(graphics, cell);
  }
  if (IsCellSelected(cell)) {
    DrawCellSelection(graphics);
  }
}

void ZorvinArea::DrawPlainCell(gfx::Graphics* graphics, uint32_t cell) {
  if (graphics == nullptr) {
    return;
  }
  // Also makes the cell the most recently used.
  const CellData data = fCache.GetCellData(cell);
  DrawCellBackground(graphics);
  if (data.fPicture == nullptr && data.fCaption == nullptr) {
    return;
  }
  const CGRect bounds = CGRectMake(0, 0, fCellSize.width, fCellSize.height);
  if (data.fPicture != nullptr && !CGRectIsEmpty(fPictureRect) &&
      CGRectIntersectsRect(fPictureRect, bounds)) {
    DrawCellImage(graphics, data);
  }
  if (!CGRectIsEmpty(fCaptionRect) && CGRectIntersectsRect(fCaptionRect, bounds)) {
    DrawCellCaptionBackground(graphics);
    if (data.fCaption != nullptr) {
      DrawCellCaption(graphics, data.fCaption);
    }
  }
}

void ZorvinArea::DrawCellBackground(gfx::Graphics* graphics) {
  const CGRect bounds = CGRectMake(0, 0, fCellSize.width, fCellSize.height);
  const gfx::GraphicsState state = graphics->Save();
  if (fAreaBackBrush != nullptr) {
    graphics->FillRectangle(fAreaBackBrush.get(), GdiplusRectFMakeWithCGRect(bounds));
  }
  if (fBackPictureImage != nullptr) {
    DrawNativeImage(graphics, fBackPictureImage, bounds, fBackPictureFormat);
  }
  graphics->Restore(state);
}

void ZorvinArea::DrawCellImage(gfx::Graphics* graphics, const CellData& data) {
  const FDNativeImage* image = data.fPicture;
  const PictureExtent& extent = data.fExtent;
  const CGRect rect = CGRectMake(0, 0, fPictureRect.size.width, fPictureRect.size.height);
  const gfx::GraphicsState state = graphics->Save();
  graphics->TranslateTransform(fPictureRect.origin.x, fPictureRect.origin.y);
  if (extent.fPictureWidth <= 0 || extent.fPictureHeight <= 0) {
    DrawNativeImage(graphics, image, rect, fPictureFormat);
  } else if (image->fWidth > 0 && image->fHeight > 0) {
    // Placed as the whole picture would be; the kept bitmap covers its part of that place.
    const CGRect target = CGRectAlignToDevicePixels(
        graphics, FitCGRectInCGRect(CGRectMake(0, 0, extent.fPictureWidth, extent.fPictureHeight),
                                    rect, fPictureFormat));
    const CGFloat kx = target.size.width / extent.fPictureWidth;
    const CGFloat ky = target.size.height / extent.fPictureHeight;
    const CGRect part =
        CGRectMake(target.origin.x + extent.fPartX * kx, target.origin.y + extent.fPartY * ky,
                   extent.fPartWidth * kx, extent.fPartHeight * ky);
    gfx::Bitmap bitmap(image, false);
    if (bitmap.GetLastStatus() == gfx::Status::Ok) {
      graphics->IntersectClip(GdiplusRectFMakeWithCGRect(rect));
      graphics->DrawImage(&bitmap, GdiplusRectFMakeWithCGRect(part));
    }
  }
  graphics->Restore(state);
}

void ZorvinArea::DrawCellCaptionBackground(gfx::Graphics* graphics) {
  if (fCaptionBackColor == -256 || fCaptionBackBrush == nullptr) {
    return;
  }
  const gfx::GraphicsState state = graphics->Save();
  graphics->FillRectangle(fCaptionBackBrush.get(), GdiplusRectFMakeWithCGRect(fCaptionRect));
  graphics->Restore(state);
}

void ZorvinArea::DrawCellSelection(gfx::Graphics* graphics) {
  if (graphics == nullptr || fSelectionBrush == nullptr) {
    return;
  }
  const CGFloat halfWidth = static_cast<CGFloat>(fSelectionFrameWidth) / 2;
  CGRect inner = CGRectMake(0, 0, fCellSize.width, fCellSize.height);
  inner = CGRectInset(inner, fSelectionInsetX, fSelectionInsetY);
  inner = CGRectInset(inner, halfWidth, halfWidth);
  const gfx::GraphicsState state = graphics->Save();
  gfx::Pen pen(fSelectionBrush.get(), static_cast<float>(fSelectionFrameWidth));
  if (fSelectionPath != nullptr) {
    graphics->SetSmoothingMode(gfx::SmoothingModeHighQuality);
    graphics->DrawPath(&pen, fSelectionPath.get());
  } else {
    graphics->DrawRectangle(&pen, GdiplusRectFMakeWithCGRect(inner));
  }
  graphics->Restore(state);
}

void ZorvinArea::DrawNativeImage(gfx::Graphics* graphics, const FDNativeImage* image, CGRect rect,
                                 int32_t format) {
  if (graphics == nullptr || image == nullptr || image->fWidth <= 0 || image->fHeight <= 0) {
    return;
  }
  // Wrapped, not copied: the image outlives this call.
  gfx::Bitmap bitmap(image, false);
  if (bitmap.GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  const CGRect source =
      CGRectMake(0, 0, static_cast<CGFloat>(image->fWidth), static_cast<CGFloat>(image->fHeight));
  const CGRect target =
      CGRectAlignToDevicePixels(graphics, FitCGRectInCGRect(source, rect, format));
  const gfx::GraphicsState state = graphics->Save();
  graphics->IntersectClip(GdiplusRectFMakeWithCGRect(rect));
  graphics->DrawImage(&bitmap, GdiplusRectFMakeWithCGRect(target));
  graphics->Restore(state);
}

CGFloat ZorvinArea::CaptionTextHeight(const gfx::Graphics* graphics, const PA_Unichar* caption,
                                      CGFloat width, CGFloat height) const {
  // Only whether the text is shorter than its box matters: measured in the box, a long caption is
  // laid out only as far as the box shows, and text that does not all fit counts as taller.
  gfx::RectF bounds;
  int fitted = 0;
  if (graphics->MeasureString(caption, -1, fCaptionFont.get(), gfx::RectF(0, 0, width, height),
                              fCaptionParagraphStyle.get(), &bounds, &fitted,
                              nullptr) != gfx::Status::Ok) {
    return 0;
  }
  int length = 0;
  while (caption[length] != 0) {
    ++length;
  }
  return fitted < length ? height : bounds.Height;
}

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
  const CGFloat textHeight = aligned ? CaptionTextHeight(graphics, caption, width, height) : height;
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

// Redrawing a cell from its rendering: what makes scrolling and full redraws cheap.

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
  if (graphics == nullptr || fAreaBackBrush == nullptr || !graphics->HasWholePixelTranslation()) {
    return false;
  }
  const auto width = static_cast<int32_t>(fCellSize.width);
  const auto height = static_cast<int32_t>(fCellSize.height);
  if (width <= 0 || height <= 0 || width != fCellSize.width || height != fCellSize.height) {
    return false;
  }
  // Bounded by what the window shows, not by the area: a huge area's huge cells are not kept.
  const CGRect shown = ContentView::GetShownBounds(this);
  const size_t view = static_cast<size_t>(std::max(shown.size.width, CGFloat{0})) *
                      static_cast<size_t>(std::max(shown.size.height, CGFloat{0})) * 4;
  fRenderedCells.SetMaxByteSize(std::max(kMinRenderedBytes, view * kRenderedScreens));
  // A cell too big to be kept would be rendered whole at every draw: it is drawn as it is,
  // clipped to what the draw shows.
  if (!fRenderedCells.CanKeep(static_cast<size_t>(width) * static_cast<size_t>(height) * 4)) {
    return false;
  }
  fRenderedCells.SetLook(GetCellLook(*graphics));
  const CellData data = fCache.GetCellData(cell);
  gfx::Bitmap* rendered = fRenderedCells.Find(cell, data.fStamp);
  if (rendered == nullptr) {
    std::unique_ptr<gfx::Bitmap> bitmap(new (std::nothrow)
                                            gfx::Bitmap(width, height, gfx::PixelFormat32bppRGB));
    if (bitmap == nullptr || bitmap->GetLastStatus() != gfx::Status::Ok) {
      return false;
    }
    {
      gfx::Graphics cellGraphics(bitmap.get());
      if (cellGraphics.GetLastStatus() != gfx::Status::Ok) {
        return false;
      }
      cellGraphics.SetSmoothingMode(graphics->GetSmoothingMode());
      cellGraphics.SetInterpolationMode(graphics->GetInterpolationMode());
      DrawPlainCell(&cellGraphics, cell);
    }
    rendered = fRenderedCells.Store(cell, data.fStamp, std::move(bitmap));
    if (rendered == nullptr) {
      return false;
    }
  }
  graphics->DrawImage(rendered, 0.0, 0.0);
  return true;
}

void ZorvinArea::RedrawContentViewImmediately() {
  RedrawContentViewRectImmediately(
      CGRectMake(0, 0, fContentViewFrame.size.width, fContentViewFrame.size.height));
}

void ZorvinArea::RedrawContentViewRectImmediately(CGRect rect) {
  // Evaluation may run database code that re-enters; and an area that is not on screen (another
  // page, hidden, not laid out yet) must not paint over what the window shows instead.
  if (fLoadDepth > 0 || !fViewShown || !IsAreaVisible() || !OnCurrentPage()) {
    return;
  }
  ContentView::RedrawViewRectImmediately(this, rect);
}

void ZorvinArea::RedrawDocRectImmediately(CGRect rect) {
  RedrawContentViewRectImmediately(DocRectToView(rect));
}

void ZorvinArea::RedrawCellImmediately(uint32_t cell) {
  // A handler's recount may have removed the cell.
  if (cell < 1 || cell > static_cast<uint32_t>(fCellCount)) {
    return;
  }
  RedrawCellImmediately(CellIndexToLocation(cell));
}

void ZorvinArea::RedrawCellImmediately(CellLocation location) {
  RedrawDocRectImmediately(GetCellRect(location, false));
}

void ZorvinArea::InvalidateVisibleSelectedCells() {
  const uint32_t count = static_cast<uint32_t>(fCellCount > 0 ? fCellCount : 0);
  CellBlockIterator cells = GetVisibleCellsBlockIterator();
  while (cells.HasMoreCells()) {
    const CellLocation location = cells.NextCell();
    const uint32_t cell = CellLocationToIndex(location);
    if (cell >= 1 && cell <= count && IsCellSelected(cell)) {
      RedrawCellImmediately(location);
    }
  }
}

namespace {

constexpr int32_t kEncoderFailed = -36;

const PA_Unichar kTiffMimeType[] = {'i', 'm', 'a', 'g', 'e', '/', 't', 'i', 'f', 'f', 0};

// Draws the cell into `pixels` and encodes them; 0, -108 or -36.
int32_t EncodeCell(ZorvinArea* area, uint32_t cell, int32_t width, int32_t height, uint8_t* pixels,
                   std::vector<uint8_t>* bytes) {
  gfx::Bitmap bitmap(width, height, width * 4, gfx::PixelFormat32bppRGB, pixels);
  if (bitmap.GetLastStatus() != gfx::Status::Ok) {
    return kFDErrNoMemory;
  }
  {
    gfx::Graphics graphics(&bitmap);
    if (graphics.GetLastStatus() != gfx::Status::Ok) {
      return kFDErrNoMemory;
    }
    area->DrawPlainCell(&graphics, cell);
    graphics.Flush();
  }
  gfx::ImageEncoder encoder;
  if (GetEncoderClsid(kTiffMimeType, &encoder) != 1) {
    return kEncoderFailed;
  }
  switch (bitmap.Save(encoder, bytes)) {
  case gfx::Status::Ok:
    return bytes->empty() ? kEncoderFailed : 0;
  case gfx::Status::OutOfMemory:
    return kFDErrNoMemory;
  default:
    return kEncoderFailed;
  }
}

} // namespace

int32_t ZorvinArea::CaptureCell(int32_t cell, FDPicture* picture) {
  if (picture == nullptr) {
    return kFDErrBadParameter;
  }
  if (cell < 1 || cell > fCellCount) {
    return kFDErrNoMemory;
  }
  const int32_t width = static_cast<int32_t>(fCellSize.width);
  const int32_t height = static_cast<int32_t>(fCellSize.height);
  if (width <= 0 || height <= 0) {
    return kFDErrNoMemory;
  }
  auto* pixels =
      static_cast<uint8_t*>(calloc(static_cast<size_t>(height), static_cast<size_t>(width) * 4));
  if (pixels == nullptr) {
    return kFDErrNoMemory;
  }
  int32_t result = 0;
  try {
    std::vector<uint8_t> bytes;
    result = EncodeCell(this, static_cast<uint32_t>(cell), width, height, pixels, &bytes);
    if (result == 0) {
      FDPicture made = nullptr;
      // A host that cannot hold the picture is out of memory as far as the caller can tell.
      if (FourD::CreateFDPicture(bytes.data(), static_cast<int32_t>(bytes.size()), &made) != 0 ||
          made == nullptr) {
        result = kFDErrNoMemory;
      } else {
        *picture = made;
      }
    }
  } catch (const std::bad_alloc&) {
    result = kFDErrNoMemory;
  }
  free(pixels);
  return result;
}
