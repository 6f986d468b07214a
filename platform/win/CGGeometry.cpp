#include "platform/win/CGGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr CGFloat kInfinity = std::numeric_limits<CGFloat>::infinity();

// Host rectangles are 16-bit: clamp rather than wrap a far coordinate around.
} // namespace

const CGPoint CGPointZero = {0, 0};
const CGSize CGSizeZero = {0, 0};
const CGRect CGRectZero = {{0, 0}, {0, 0}};
const CGRect CGRectNull = {{kInfinity, kInfinity}, {0, 0}};

CGPoint CGPointMake(CGFloat x, CGFloat y) {
  return CGPoint{x, y};
}

CGSize CGSizeMake(CGFloat width, CGFloat height) {
  return CGSize{width, height};
}

CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  return CGRect{{x, y}, {width, height}};
}

CGRect CGRectStandardize(CGRect rect) {
  if (rect.size.width < 0) {
    rect.origin.x += rect.size.width;
    rect.size.width = -rect.size.width;
  }
  if (rect.size.height < 0) {
    rect.origin.y += rect.size.height;
    rect.size.height = -rect.size.height;
  }
  return rect;
}

CGFloat CGRectGetMinX(CGRect rect) {
  return CGRectStandardize(rect).origin.x;
}

CGFloat CGRectGetMidX(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.x + r.size.width / 2;
}

CGFloat CGRectGetMaxX(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.x + r.size.width;
}

CGFloat CGRectGetMinY(CGRect rect) {
  return CGRectStandardize(rect).origin.y;
}

CGFloat CGRectGetMidY(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.y + r.size.height / 2;
}

CGFloat CGRectGetMaxY(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.y + r.size.height;
}

CGFloat CGRectGetWidth(CGRect rect) {
  return CGRectStandardize(rect).size.width;
}

CGFloat CGRectGetHeight(CGRect rect) {
  return CGRectStandardize(rect).size.height;
}

bool CGPointEqualToPoint(CGPoint a, CGPoint b) {
  return a.x == b.x && a.y == b.y;
}

bool CGSizeEqualToSize(CGSize a, CGSize b) {
  return a.width == b.width && a.height == b.height;
}

bool CGRectEqualToRect(CGRect a, CGRect b) {
  return CGPointEqualToPoint(a.origin, b.origin) && CGSizeEqualToSize(a.size, b.size);
}

bool CGRectIsEmpty(CGRect rect) {
  return rect.size.width == 0 || rect.size.height == 0;
}

bool CGRectIsNull(CGRect rect) {
  return std::isinf(rect.origin.x) || std::isinf(rect.origin.y);
}

CGRect CGRectInset(CGRect rect, CGFloat dx, CGFloat dy) {
  CGRect r = CGRectStandardize(rect);
  return CGRectMake(r.origin.x + dx, r.origin.y + dy, r.size.width - 2 * dx,
                    r.size.height - 2 * dy);
}

CGRect CGRectIntegral(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  CGFloat minX = std::floor(r.origin.x);
  CGFloat minY = std::floor(r.origin.y);
  CGFloat maxX = std::ceil(r.origin.x + r.size.width);
  CGFloat maxY = std::ceil(r.origin.y + r.size.height);
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectUnion(CGRect a, CGRect b) {
  CGFloat minX = std::min(CGRectGetMinX(a), CGRectGetMinX(b));
  CGFloat minY = std::min(CGRectGetMinY(a), CGRectGetMinY(b));
  CGFloat maxX = std::max(CGRectGetMaxX(a), CGRectGetMaxX(b));
  CGFloat maxY = std::max(CGRectGetMaxY(a), CGRectGetMaxY(b));
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectIntersection(CGRect a, CGRect b) {
  CGFloat minX = std::max(CGRectGetMinX(a), CGRectGetMinX(b));
  CGFloat minY = std::max(CGRectGetMinY(a), CGRectGetMinY(b));
  CGFloat maxX = std::min(CGRectGetMaxX(a), CGRectGetMaxX(b));
  CGFloat maxY = std::min(CGRectGetMaxY(a), CGRectGetMaxY(b));
  if (!(maxX - minX > 0) || !(maxY - minY > 0)) {
    return CGRectNull;
  }
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectOffset(CGRect rect, CGFloat dx, CGFloat dy) {
  rect.origin.x += dx;
  rect.origin.y += dy;
  return rect;
}

bool CGRectContainsPoint(CGRect rect, CGPoint point) {
  return point.x >= CGRectGetMinX(rect) && point.x <= CGRectGetMaxX(rect) &&
         point.y >= CGRectGetMinY(rect) && point.y <= CGRectGetMaxY(rect);
}

bool CGRectContainsRect(CGRect rect, CGRect inner) {
  return CGRectGetMinX(inner) >= CGRectGetMinX(rect) &&
         CGRectGetMaxX(inner) <= CGRectGetMaxX(rect) &&
         CGRectGetMinY(inner) >= CGRectGetMinY(rect) && CGRectGetMaxY(inner) <= CGRectGetMaxY(rect);
}

bool CGRectIntersectsRect(CGRect a, CGRect b) {
  return !CGRectIsNull(CGRectIntersection(a, b));
}

CGRect CGRectMakeWithQDRect(const Rect& rect) {
  return CGRectMake(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Rect CGRectToIntegralQDRect(CGRect rect) {
  CGRect r = CGRectIntegral(rect);
  Rect result;
  result.top = CGFloatToInt16(r.origin.y);
  result.left = CGFloatToInt16(r.origin.x);
  result.bottom = CGFloatToInt16(r.origin.y + r.size.height);
  result.right = CGFloatToInt16(r.origin.x + r.size.width);
  return result;
}

int32_t CGFloatToInt32(CGFloat value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= static_cast<CGFloat>(INT32_MAX)) {
    return INT32_MAX;
  }
  if (value <= static_cast<CGFloat>(INT32_MIN)) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(value);
}

int64_t CGFloatToInt64(CGFloat value) {
  constexpr CGFloat kLimit = 4.0e18;
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<int64_t>(std::clamp(value, -kLimit, kLimit));
}

int16_t CGFloatToInt16(CGFloat value) {
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<int16_t>(std::clamp(value, CGFloat{-32768}, CGFloat{32767}));
}

int16_t CGFloatRoundToInt16(CGFloat value) {
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<int16_t>(std::lround(std::clamp(value, CGFloat{-32768}, CGFloat{32767})));
}
