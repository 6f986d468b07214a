#include "gfx/Graphics.h"

#include <cmath>
#include <new>

#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

Gdiplus::SmoothingMode NativeSmoothing(SmoothingMode mode) {
  return mode == SmoothingModeAntiAlias || mode == SmoothingModeHighQuality
             ? Gdiplus::SmoothingModeAntiAlias
             : Gdiplus::SmoothingModeNone;
}

// Null when the native graphics failed to build or there is no memory.
std::unique_ptr<NativeGraphics> NewNativeGraphics(Gdiplus::Graphics* made,
                                                  SmoothingMode smoothing) {
  std::unique_ptr<Gdiplus::Graphics> graphics(made);
  if (!graphics || graphics->GetLastStatus() != Gdiplus::Ok) {
    return nullptr;
  }
  std::unique_ptr<NativeGraphics> native(new (std::nothrow) NativeGraphics);
  if (!native) {
    return nullptr;
  }
  native->fGraphics = std::move(graphics);
  // Pixels span whole coordinates, as on every side of the layer: a rectangle from 0 to 10
  // covers pixels 0 to 9 exactly.
  native->fGraphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  native->fGraphics->SetSmoothingMode(NativeSmoothing(smoothing));
  native->fGraphics->SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
  return native;
}

} // namespace

Graphics::Graphics(const FDDeviceContext* dc) {
  if (!dc) {
    fStatus = Status::InvalidParameter;
    return;
  }
  if (!GdiplusReady()) {
    fStatus = Status::GenericError;
    return;
  }
  // The context stays its owner's: the graphics only draws through it.
  fNative = NewNativeGraphics(
      new Gdiplus::Graphics(reinterpret_cast<HDC>(const_cast<FDDeviceContext*>(dc))),
      fModes.fSmoothing);
  fStatus = fNative ? Status::Ok : Status::OutOfMemory;
}

Graphics::Graphics(Bitmap* bitmap) {
  if (!GdiplusBitmap(bitmap)) {
    fStatus = Status::InvalidParameter;
    return;
  }
  Attach(bitmap->Native());
}

Graphics::~Graphics() {
  Flush();
}

void Graphics::Attach(NativeBitmap* target) {
  if (!target->fBitmap || target->fBitmap->GetLastStatus() != Gdiplus::Ok) {
    fStatus = Status::OutOfMemory;
    return;
  }
  fNative = NewNativeGraphics(new Gdiplus::Graphics(target->fBitmap.get()), fModes.fSmoothing);
  fStatus = fNative ? Status::Ok : Status::OutOfMemory;
}

Status Graphics::Ready() const {
  return fStatus;
}

void Graphics::Flush() {
  if (fNative) {
    fNative->fGraphics->Flush(Gdiplus::FlushIntentionSync);
  }
}

GraphicsState Graphics::Save() {
  if (Ready() != Status::Ok) {
    return 0;
  }
  try {
    fSaved.push_back(fModes);
    fNative->fStates.push_back(fNative->fGraphics->Save());
  } catch (const std::bad_alloc&) {
    if (fSaved.size() > fNative->fStates.size()) {
      fSaved.pop_back();
    }
    return 0;
  }
  return GraphicsState(fSaved.size());
}

Status Graphics::Restore(GraphicsState state) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (state == 0 || state > fSaved.size()) {
    return Status::InvalidParameter;
  }
  while (fSaved.size() >= state) {
    fModes = fSaved.back();
    fSaved.pop_back();
    fNative->fGraphics->Restore(fNative->fStates.back());
    fNative->fStates.pop_back();
  }
  return Status::Ok;
}

Status Graphics::ApplyTransform(const Matrix& matrix) {
  float e[6];
  matrix.GetElements(e);
  for (float v : e) {
    if (!std::isfinite(v)) {
      return Status::InvalidParameter;
    }
  }
  if (!matrix.IsInvertible()) {
    return Status::InvalidParameter;
  }
  std::unique_ptr<Gdiplus::Matrix> native(NewGdiplusMatrix(matrix));
  if (!native) {
    return Status::OutOfMemory;
  }
  return StatusOf(fNative->fGraphics->SetTransform(native.get()));
}

Status Graphics::GetTransform(Matrix* matrix) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!matrix) {
    return Status::InvalidParameter;
  }
  Gdiplus::Matrix native;
  if (Status status = StatusOf(fNative->fGraphics->GetTransform(&native)); status != Status::Ok) {
    return status;
  }
  float e[6];
  native.GetElements(e);
  *matrix = Matrix(e[0], e[1], e[2], e[3], e[4], e[5]);
  return Status::Ok;
}

Status Graphics::ResetTransform() {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return StatusOf(fNative->fGraphics->ResetTransform());
}

// GDI+ keeps the clip in device space, so later transforms do not move it.
Status Graphics::SetClip(const Region* region, CombineMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!region || region->GetLastStatus() != Status::Ok ||
      (mode != CombineModeReplace && mode != CombineModeIntersect)) {
    return Status::InvalidParameter;
  }
  std::unique_ptr<Gdiplus::Region> native = NewGdiplusRegion(*region);
  if (!native) {
    return Status::OutOfMemory;
  }
  return StatusOf(fNative->fGraphics->SetClip(native.get(), mode == CombineModeReplace
                                                                ? Gdiplus::CombineModeReplace
                                                                : Gdiplus::CombineModeIntersect));
}

Status Graphics::ResetClip() {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  return StatusOf(fNative->fGraphics->ResetClip());
}

// What can still be drawn: the clip within the target's pixels.
Status Graphics::GetClipBounds(RectF* bounds) const {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (!bounds) {
    return Status::InvalidParameter;
  }
  Gdiplus::RectF box;
  if (Status status = StatusOf(fNative->fGraphics->GetVisibleClipBounds(&box));
      status != Status::Ok) {
    return status;
  }
  *bounds = box.Width > 0 && box.Height > 0 ? RectF(box.X, box.Y, box.Width, box.Height) : RectF();
  return Status::Ok;
}

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
  if (Status status = Ready(); status != Status::Ok) {
    return status;
  }
  if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias) {
    return Status::InvalidParameter;
  }
  fModes.fSmoothing = mode;
  return StatusOf(fNative->fGraphics->SetSmoothingMode(NativeSmoothing(mode)));
}

} // namespace gfx
