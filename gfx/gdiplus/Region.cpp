// The region's queries, asked of a GDI+ region made from its shapes.
#include "gfx/Region.h"

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

// Queries that need no device answer for the identity transform of a bitmap of one pixel.
struct ScratchGraphics {
  Gdiplus::Bitmap fBitmap{1, 1, PixelFormat32bppPARGB};
  Gdiplus::Graphics fGraphics{&fBitmap};
};

} // namespace

Status Region::GetBounds(RectF* bounds) const {
  if (!bounds) {
    return Status::InvalidParameter;
  }
  *bounds = RectF();
  if (fKind != Kind::Shapes) {
    return Status::Ok;
  }
  if (!GdiplusReady()) {
    return Status::GenericError;
  }
  std::unique_ptr<Gdiplus::Region> native = NewGdiplusRegion(*this);
  if (!native) {
    return Status::OutOfMemory;
  }
  ScratchGraphics scratch;
  Gdiplus::RectF box;
  if (native->GetBounds(&box, &scratch.fGraphics) != Gdiplus::Ok) {
    return Status::GenericError;
  }
  if (box.Width > 0 && box.Height > 0) {
    *bounds = RectF(box.X, box.Y, box.Width, box.Height);
  }
  return Status::Ok;
}

bool Region::IsVisible(float x, float y) const {
  if (fKind != Kind::Shapes) {
    return fKind == Kind::Infinite;
  }
  if (!GdiplusReady()) {
    return false;
  }
  std::unique_ptr<Gdiplus::Region> native = NewGdiplusRegion(*this);
  return native && native->IsVisible(x, y) == TRUE;
}

} // namespace gfx
