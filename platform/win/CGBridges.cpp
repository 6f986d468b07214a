#include "platform/win/CGBridges.h"

#include <cmath>

namespace {

CGRect ConvertCorners(const gfx::Graphics* graphics, CGRect rect, bool toDevice) {
  gfx::Matrix matrix;
  if (graphics && graphics->GetTransform(&matrix) == gfx::Status::Ok && !toDevice) {
    matrix.Invert(); // a singular transform is never set, so this succeeds
  }
  gfx::PointF a = matrix.TransformPoint(gfx::PointF(rect.origin.x, rect.origin.y));
  gfx::PointF b = matrix.TransformPoint(
      gfx::PointF(rect.origin.x + rect.size.width, rect.origin.y + rect.size.height));
  return CGRectStandardize(CGRectMake(a.X, a.Y, b.X - a.X, b.Y - a.Y));
}

} // namespace

gfx::Rect GdiplusRectMakeWithQDRect(const Rect& rect) {
  return gfx::Rect(rect.left, rect.top, int32_t(rect.right) - rect.left,
                   int32_t(rect.bottom) - rect.top);
}

gfx::Rect GdiplusRectMakeWithCGRect(CGRect rect) {
  return gfx::Rect(CGFloatToInt32(rect.origin.x), CGFloatToInt32(rect.origin.y),
                   CGFloatToInt32(rect.size.width), CGFloatToInt32(rect.size.height));
}

gfx::RectF GdiplusRectFMakeWithCGRect(CGRect rect) {
  return gfx::RectF(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
}

CGRect CGRectMakeWithGdiplusRectF(const gfx::RectF& rect) {
  return CGRectMake(rect.X, rect.Y, rect.Width, rect.Height);
}

CGRect GdiplusGraphicsConvertRectToDeviceSpace(const gfx::Graphics* graphics, CGRect rect) {
  return ConvertCorners(graphics, rect, true);
}

CGRect GdiplusGraphicsConvertRectToUserSpace(const gfx::Graphics* graphics, CGRect rect) {
  return ConvertCorners(graphics, rect, false);
}

CGRect CGRectAlignToDevicePixels(const gfx::Graphics* graphics, CGRect rect) {
  CGRect device = GdiplusGraphicsConvertRectToDeviceSpace(graphics, rect);
  device = CGRectMake(std::floor(device.origin.x), std::floor(device.origin.y),
                      std::floor(device.size.width), std::floor(device.size.height));
  return GdiplusGraphicsConvertRectToUserSpace(graphics, device);
}
