// Cells keep their pictures as they are drawn: a photo shrunk into a cell is kept at the cell's
// size, not at its own, and is decoded no larger than that when the host can.
#include <math.h>

#include <algorithm>

#include "gfx/PictureDecoder.h"
#include "grid/CellPictures.h"
#include "grid/PictureDecodeJob.h"
#include "grid/RectFitting.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"

namespace {

bool ShowsUnscaled(int32_t format) {
  return format == kZVFormatTruncatedCentered || format == kZVFormatTruncatedTopLeft;
}

int32_t WholePixels(CGFloat length, int32_t most) {
  return std::clamp(static_cast<int32_t>(lround(length)), 1, most);
}

// A job for the plug-in's own decoder when the host hands over the picture's bytes and the
// decoder reads their format; null otherwise.
std::shared_ptr<PictureDecodeJob> NewDecodeJob(FDPicture picture, int32_t width, int32_t height,
                                               const PictureExtent& extent) {
  ZVPageBuffer bytes;
  if (FourD::GetPictureBytes(picture, &bytes) != kFDErrNone ||
      !gfx::CanDecodePicture(bytes.GetData(), bytes.GetSize())) {
    return nullptr;
  }
  try {
    return std::make_shared<PictureDecodeJob>(std::move(bytes), width, height, extent);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

} // namespace

bool ZorvinArea::PurgeFittedPictures() {
  // A load under way would store what it fitted the old way.
  if (fCache.GetLinkedCount() == 0 && fLoadDepth == 0) {
    return false;
  }
  fCache.Cleanup();
  fCache.Setup(static_cast<uint32_t>(fCellCount));
  return true;
}

void ZorvinArea::ReloadFittedPictures() {
  if (PurgeFittedPictures()) {
    LoadVisibleCellData();
  }
}

int32_t ZorvinArea::MakeCellPicture(FDPicture picture, CellData* data,
                                    std::shared_ptr<PictureDecodeJob>* deferred) {
  int32_t width = 0;
  int32_t height = 0;
  if (FourD::GetPictureDimensions(picture, &width, &height) != kFDErrNone) {
    width = 0;
    height = 0;
  }
  const CGRect rect = CGRectMake(0, 0, fPictureRect.size.width, fPictureRect.size.height);
  const CGRect drawn = FitCGRectInCGRect(
      CGRectMake(0, 0, width, height),
      CGRectMake(0, 0, rect.size.width * fScale, rect.size.height * fScale), fPictureFormat);
  const bool shrinks = width > 0 && height > 0 && !ShowsUnscaled(fPictureFormat) &&
                       (drawn.size.width < width || drawn.size.height < height);
  PictureExtent extent{width, height, 0, 0, width, height};
  if (shrinks) {
    const int32_t fittedWidth = WholePixels(drawn.size.width, width);
    const int32_t fittedHeight = WholePixels(drawn.size.height, height);
    if (const std::shared_ptr<PictureDecodeJob> job =
            NewDecodeJob(picture, fittedWidth, fittedHeight, extent)) {
      if (deferred != nullptr) {
        *deferred = job;
        return kFDErrNone;
      }
      job->Run();
      if ((data->fPicture = job->TakeImage()) != nullptr) {
        data->fOwnsPicture = true;
        data->fExtent = extent;
        return kFDErrNone;
      }
      // Bytes the plug-in cannot decode may still be a picture to the host.
    }
    FDNativeImage* image = nullptr;
    const int16_t error =
        FourD::CreateNativeImageForSize(picture, fittedWidth, fittedHeight, &image);
    if (error == kFDErrNone && image != nullptr && image->fWidth <= fittedWidth &&
        image->fHeight <= fittedHeight) {
      data->fPicture = image;
      data->fExtent = extent;
      return kFDErrNone;
    }
    if (image != nullptr) {
      FourD::DisposeNativeImage(image);
    }
    if (error != kFDErrNone && error != kFDErrUnknownCommand) {
      return error;
    }
    // A host without the operation (or one that answered too large): the whole image, reduced
    // here.
    FDNativeImage* whole = nullptr;
    if (const int16_t wholeError = FourD::CreateNativeImageForScreen(picture, &whole)) {
      return wholeError;
    }
    if (whole == nullptr) {
      return kFDErrNoMemory;
    }
    data->fPicture = ScaledImageCopy(*whole, fittedWidth, fittedHeight);
    FourD::DisposeNativeImage(whole);
    if (data->fPicture == nullptr) {
      return kFDErrNoMemory;
    }
    data->fOwnsPicture = true;
    data->fExtent = extent;
    return kFDErrNone;
  }

  FDNativeImage* whole = nullptr;
  if (const int16_t error = FourD::CreateNativeImageForScreen(picture, &whole)) {
    return error;
  }
  if (whole == nullptr) {
    return kFDErrNoMemory;
  }
  data->fPicture = whole;
  if (!ShowsUnscaled(fPictureFormat) || width != whole->fWidth || height != whole->fHeight) {
    return kFDErrNone;
  }
  // Shown at its own size, a picture larger than its rectangle needs only the part that shows.
  const CGRect placed = FitCGRectInCGRect(CGRectMake(0, 0, width, height), rect, fPictureFormat);
  // Source pixels from partX to partX + partWidth cover the rectangle, whole pixels outward.
  const auto span = [](CGFloat offset, CGFloat length, int32_t most, int32_t* first) {
    *first = static_cast<int32_t>(floor(std::max<CGFloat>(0, -offset)));
    const CGFloat last = std::min<CGFloat>(most, ceil(length - offset));
    return static_cast<int32_t>(last) - *first;
  };
  int32_t partX = 0;
  int32_t partY = 0;
  const int32_t partWidth = span(placed.origin.x, rect.size.width, width, &partX);
  const int32_t partHeight = span(placed.origin.y, rect.size.height, height, &partY);
  if (partWidth < 1 || partHeight < 1 ||
      int64_t{partWidth} * partHeight >= int64_t{width} * height) {
    return kFDErrNone;
  }
  FDNativeImage* part = ImagePartCopy(*whole, partX, partY, partWidth, partHeight);
  if (part == nullptr) {
    return kFDErrNone; // the whole image serves as well
  }
  FourD::DisposeNativeImage(whole);
  data->fPicture = part;
  data->fOwnsPicture = true;
  data->fExtent = PictureExtent{width, height, partX, partY, partWidth, partHeight};
  return kFDErrNone;
}
