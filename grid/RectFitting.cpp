#include "grid/RectFitting.h"

#include <algorithm>

namespace {

CGRect CenterKelRectInKelRect(CGRect container, CGRect rect) {
  return CGRectMake(container.origin.x + (container.size.width - rect.size.width) / 2,
                    container.origin.y + (container.size.height - rect.size.height) / 2,
                    rect.size.width, rect.size.height);
}

CGRect PlaceSize(CGSize size, CGRect destination, bool center) {
  CGRect rect = {destination.origin, size};
  return center ? CenterKelRectInKelRect(destination, rect) : rect;
}

CGRect FitKelRectTruncated(CGRect source, CGRect destination, bool center) {
  return PlaceSize(source.size, destination, center);
}

CGRect FitKelRectScaledProp(CGRect source, CGRect destination, bool center) {
  CGFloat s = std::min({CGFloat{1}, destination.size.width / source.size.width,
                        destination.size.height / source.size.height});
  return PlaceSize(CGSizeMake(source.size.width * s, source.size.height * s), destination, center);
}

CGRect XFitKelRectScaledProp(CGRect source, CGRect destination, bool center, bool cover) {
  CGFloat sx = destination.size.width / source.size.width;
  CGFloat sy = destination.size.height / source.size.height;
  CGFloat s = cover ? std::max(sx, sy) : std::min(sx, sy);
  if (s == 1.0) {
    return PlaceSize(source.size, destination, center);
  }
  return PlaceSize(CGSizeMake(source.size.width * s, source.size.height * s), destination, center);
}

CGRect XFitKelRectSmallerScaledProp(CGRect source, CGRect destination, bool center) {
  return XFitKelRectScaledProp(source, destination, center, true);
}

} // namespace

bool IsValidPictureDisplayFormat(int32_t format) {
  return format >= 0 && format <= 11 && ((0xF76 >> format) & 1) != 0;
}

bool IsValidBackPictureDisplayFormat(int32_t format) {
  return format == 0 || IsValidPictureDisplayFormat(format);
}

CGRect FitCGRectInCGRect(CGRect source, CGRect destination, int32_t format) {
  // A picture without area has nothing to scale; keep it where a truncated one would go.
  if (source.size.width <= 0 || source.size.height <= 0) {
    return CGRectMake(destination.origin.x, destination.origin.y, 0, 0);
  }
  switch (format) {
  case kZVFormatTruncatedCentered:
    return FitKelRectTruncated(source, destination, true);
  case kZVFormatScaled:
    return destination;
  case kZVFormatTruncatedTopLeft:
    return FitKelRectTruncated(source, destination, false);
  case kZVFormatProportionalTopLeft:
    return FitKelRectScaledProp(source, destination, false);
  case kZVFormatProportionalCentered:
    return FitKelRectScaledProp(source, destination, true);
  case kZVFormatCoverTopLeft:
  case kZVFormatCoverTopLeftAlt:
    return XFitKelRectSmallerScaledProp(source, destination, false);
  default:
    return XFitKelRectSmallerScaledProp(source, destination, true);
  }
}
