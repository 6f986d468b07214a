#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "grid/RectFitting.h"
#include "grid/ZorvinArea.h"
#include "platform/win/CGBridges.h"
#include "platform/win/ContentView.h"
#include "platform/win/ScrollView.h"

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
