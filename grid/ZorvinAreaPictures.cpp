// What lies behind every cell: the area's back colour and the back picture.
#include "grid/RectFitting.h"
#include "grid/ZorvinArea.h"

#include <new>

#include "gfx/Brush.h"
#include "host/FourD.h"

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
