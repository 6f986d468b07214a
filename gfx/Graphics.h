// Drawing on a pixel surface: a host device context or a bitmap. Transform, clip and quality
// settings nest with Save and Restore. A graphics that could not be built answers every call with
// its failure and draws nothing.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/GfxNatives.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/Pen.h"
#include "gfx/Region.h"
#include "gfx/StringFormat.h"
#include "sdk/FourDPluginAPI.h"

namespace gfx {

// What Save hands out; 0 is never a valid state.
using GraphicsState = uint32_t;

class Graphics {
public:
  // Draws straight onto a host device context (on Windows an HDC), which must outlive the
  // graphics.
  explicit Graphics(const FDDeviceContext* dc);
  explicit Graphics(Bitmap* bitmap);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  Status GetLastStatus() const { return fStatus; }
  void Flush();

  // State: Restore goes back to how things were before the matching Save, dropping any state
  // saved after it.
  GraphicsState Save();
  Status Restore(GraphicsState state);

  // Transform. A transform that cannot be inverted is refused and the current one kept.
  Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
  Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
  Status MultiplyTransform(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
  Status GetTransform(Matrix* matrix) const;
  Status SetTransform(const Matrix* matrix);
  Status ResetTransform();
  // The transform only moves, by whole pixels: what is drawn lands exactly on pixels.
  bool HasWholePixelTranslation() const;

  // Clip, kept in device space: later transforms do not move it.
  Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
  Status SetClip(const GraphicsPath* path, CombineMode mode = CombineModeReplace);
  Status SetClip(const Region* region, CombineMode mode = CombineModeReplace);
  Status IntersectClip(const RectF& rect) { return SetClip(rect, CombineModeIntersect); }
  Status IntersectClip(const Region* region) { return SetClip(region, CombineModeIntersect); }
  Status ResetClip();
  // In the current user space; empty when nothing can be drawn.
  Status GetClipBounds(RectF* bounds) const;
  bool IsClipEmpty() const;

  // Quality
  Status SetSmoothingMode(SmoothingMode mode);
  SmoothingMode GetSmoothingMode() const { return fModes.fSmoothing; }
  Status SetInterpolationMode(InterpolationMode mode);
  InterpolationMode GetInterpolationMode() const { return fModes.fInterpolation; }

  // Filling
  Status Clear(const Color& color);
  Status FillRectangle(const Brush* brush, const RectF& rect);
  Status FillRectangle(const Brush* brush, float x, float y, float width, float height);
  // One fill of them all, cheaper than a fill each.
  Status FillRectangles(const Brush* brush, const RectF* rects, int count);
  Status FillEllipse(const Brush* brush, const RectF& box);
  Status FillPolygon(const Brush* brush, const PointF* points, int count,
                     FillMode fillMode = FillModeAlternate);
  Status FillPath(const Brush* brush, const GraphicsPath* path);
  Status FillRegion(const Brush* brush, const Region* region);

  // Stroking. A pen of width 0 draws the thinnest visible line.
  Status DrawLine(const Pen* pen, float x1, float y1, float x2, float y2);
  Status DrawRectangle(const Pen* pen, const RectF& rect);
  Status DrawEllipse(const Pen* pen, const RectF& box);
  Status DrawPath(const Pen* pen, const GraphicsPath* path);

  // Images: at their pixel size, scaled into a rectangle, or a part of them (in pixels) scaled
  // into a rectangle. Scaling samples with the interpolation mode.
  Status DrawImage(Bitmap* image, float x, float y);
  Status DrawImage(Bitmap* image, const RectF& dest);
  Status DrawImage(Bitmap* image, const RectF& dest, float srcX, float srcY, float srcWidth,
                   float srcHeight, Unit srcUnit);

  // Text, laid out in `layout` (width 0: no wrapping; height 0: no line limit) or from a point.
  // `length` < 0 means up to the terminating 0; a null format means the default one.
  Status DrawString(const uint16_t* text, int length, const Font* font, const RectF& layout,
                    const StringFormat* format, const Brush* brush);
  Status DrawString(const char16_t* text, int length, const Font* font, const RectF& layout,
                    const StringFormat* format, const Brush* brush);
  Status DrawString(const uint16_t* text, int length, const Font* font, const PointF& origin,
                    const StringFormat* format, const Brush* brush);
  Status DrawString(const char16_t* text, int length, const Font* font, const PointF& origin,
                    const StringFormat* format, const Brush* brush);
  Status MeasureString(const uint16_t* text, int length, const Font* font, const RectF& layout,
                       const StringFormat* format, RectF* bounds, int* codepointsFitted = nullptr,
                       int* linesFilled = nullptr) const;
  Status MeasureString(const char16_t* text, int length, const Font* font, const RectF& layout,
                       const StringFormat* format, RectF* bounds, int* codepointsFitted = nullptr,
                       int* linesFilled = nullptr) const;

  // The platform's context; null when the graphics failed to build.
  NativeGraphics* Native() const { return fNative.get(); }

private:
  struct Modes {
    SmoothingMode fSmoothing = SmoothingModeDefault;
    InterpolationMode fInterpolation = InterpolationModeDefault;
  };

  void Attach(NativeBitmap* target);
  Status Ready() const;
  Status Usable(const Brush* brush) const;
  Status Usable(const Pen* pen) const;
  Status ApplyTransform(const Matrix& matrix);
  Status Stroke(const Pen* pen, bool closed);
  Status DrawText(const std::string& utf8, const Font* font, const RectF& layout,
                  const StringFormat* format, const Brush* brush);
  Status MeasureText(const std::string& utf8, const Font* font, const RectF& layout,
                     const StringFormat* format, RectF* bounds, int* codepointsFitted,
                     int* linesFilled) const;

  std::unique_ptr<NativeGraphics> fNative;
  Modes fModes;
  std::vector<Modes> fSaved; // one per open Save, the native state saved alongside
  Status fStatus = Status::WrongState;
};

} // namespace gfx
