// How cells look: the picture and caption rectangles, formats, the cell outlines and selection
// frame, and what lies behind the cells.
#include "grid/ZorvinArea.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "gfx/Brush.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Region.h"
#include "grid/RectFitting.h"
#include "host/FourD.h"
#include "host/HostText.h"

int32_t ZorvinArea::SetPictureRect(CGRect rect) {
  rect = CGRectStandardize(rect);
  if (!CGRectEqualToRect(rect, fPictureRect)) {
    fPictureRect = rect;
    fNeedsRedraw = true;
    ReloadFittedPictures();
  }
  return 0;
}

int32_t ZorvinArea::SetCaptionRect(CGRect rect) {
  rect = CGRectStandardize(rect);
  if (!CGRectEqualToRect(rect, fCaptionRect)) {
    fCaptionRect = rect;
    fNeedsRedraw = true;
  }
  return 0;
}

int32_t ZorvinArea::SetPictureDisplayFormat(int32_t format) {
  if (!IsValidPictureDisplayFormat(format)) {
    return -50;
  }
  if (format != fPictureFormat) {
    fPictureFormat = format;
    fNeedsRedraw = true;
    ReloadFittedPictures();
  }
  return 0;
}

int32_t ZorvinArea::SetCaptionTextFormat(const PA_Unichar* format) {
  if (format == nullptr) {
    return -50;
  }
  // The stored format is a fixed buffer; a longer one is cut rather than overrun it.
  const size_t capacity = std::size(fCaptionTextFormat);
  const size_t length = std::min(FourD::UniLength(format), capacity - 1);
  const int32_t options = kFDCompareCaseSensitive | kFDCompareDiacriticSensitive;
  if (FourD::CompareUniStrings(format, static_cast<int32_t>(length), fCaptionTextFormat,
                               static_cast<int32_t>(FourD::UniLength(fCaptionTextFormat)),
                               options) != 0) {
    FourD::UniCopy(format, fCaptionTextFormat, capacity);
    fNeedsRedraw = true;
  }
  return 0;
}

// The outlines of a cell: its rounded shape and clip, and the selection frame inside it.

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

// What lies behind every cell: the area's back colour and the back picture.

namespace {

constexpr int32_t kNoColor = -256;

} // namespace

std::unique_ptr<gfx::SolidBrush> ZorvinArea::CreateOpaqueBrush(int32_t color) {
  RGBColor rgb{};
  if (FourD::GetRGBColor(color, &rgb) != kFDErrNone) {
    // "No colour" still gets a brush, white, so that a later change has one to replace.
    const uint16_t level = color == kNoColor ? 0xFFFF : 0;
    rgb = RGBColor{level, level, level};
  }
  const uint32_t argb = FourD::GetARGBColorFromRGBColor(&rgb) | 0xFF000000u;
  auto brush =
      std::unique_ptr<gfx::SolidBrush>(new (std::nothrow) gfx::SolidBrush(gfx::Color(argb)));
  if (brush != nullptr && brush->GetLastStatus() != gfx::Status::Ok) {
    brush.reset();
  }
  return brush;
}

void ZorvinArea::SetupNativeAreaBackColor() {
  fAreaBackBrush.reset();
  fAreaBackBrush = CreateOpaqueBrush(GetBackColor());
}

void ZorvinArea::SetBackColor(int32_t color) {
  CXArea::SetBackColor(color);
  SetupNativeAreaBackColor();
  fNeedsRedraw = true;
}

void ZorvinArea::ReleaseBackPicture() {
  ++fLookGeneration;
  if (fBackPicture != nullptr) {
    FourD::DisposeFDPicture(fBackPicture);
    fBackPicture = nullptr;
  }
  if (fBackPictureImage != nullptr) {
    FourD::DisposeNativeImage(fBackPictureImage);
    fBackPictureImage = nullptr;
  }
}

int32_t ZorvinArea::SetBackPicture(FDPicture picture) {
  if (picture == nullptr || FourD::GetPictureByteSize(picture) <= 0) {
    ReleaseBackPicture();
    return kFDErrNone;
  }
  FDPicture copy = nullptr;
  if (FourD::DuplicateFDPicture(picture, &copy) != kFDErrNone || copy == nullptr) {
    return kFDErrNoMemory;
  }
  FDNativeImage* image = nullptr;
  if (FourD::CreateNativeImageForScreen(copy, &image) != kFDErrNone || image == nullptr) {
    if (image != nullptr) {
      FourD::DisposeNativeImage(image);
    }
    FourD::DisposeFDPicture(copy);
    return kFDErrNoMemory;
  }
  ReleaseBackPicture();
  fBackPicture = copy;
  fBackPictureImage = image;
  ++fLookGeneration;
  fNeedsRedraw = true;
  return kFDErrNone;
}

int32_t ZorvinArea::GetBackPicture(FDPicture* picture) const {
  if (picture == nullptr) {
    return kFDErrBadParameter;
  }
  if (*picture != nullptr) {
    FourD::DisposeFDPicture(*picture);
    *picture = nullptr;
  }
  if (fBackPicture == nullptr) {
    return kFDErrNone;
  }
  FDPicture copy = nullptr;
  if (FourD::DuplicateFDPicture(fBackPicture, &copy) != kFDErrNone || copy == nullptr) {
    return kFDErrNoMemory;
  }
  *picture = copy;
  return kFDErrNone;
}

int32_t ZorvinArea::SetBackPictureDisplayFormat(int32_t format) {
  if (!IsValidBackPictureDisplayFormat(format)) {
    return kFDErrBadParameter;
  }
  if (format != fBackPictureFormat) {
    fBackPictureFormat = format;
    fNeedsRedraw = true;
  }
  return kFDErrNone;
}
