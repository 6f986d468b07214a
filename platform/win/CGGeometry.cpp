#include "platform/win/CGGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Host rectangles are 16-bit: clamp rather than wrap a far coordinate around.
int16_t ToShort(float value) {
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<int16_t>(std::clamp(value, -32768.0f, 32767.0f));
}

} // namespace

const CGPoint CGPointZero = {0, 0};
const CGSize CGSizeZero = {0, 0};
const CGRect CGRectZero = {{0, 0}, {0, 0}};
const CGRect CGRectNull = {{kInfinity, kInfinity}, {0, 0}};

CGPoint CGPointMake(float x, float y) {
  return CGPoint{x, y};
}

CGSize CGSizeMake(float width, float height) {
  return CGSize{width, height};
}

CGRect CGRectMake(float x, float y, float width, float height) {
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

float CGRectGetMinX(CGRect rect) {
  return CGRectStandardize(rect).origin.x;
}

float CGRectGetMidX(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.x + r.size.width / 2;
}

float CGRectGetMaxX(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.x + r.size.width;
}

float CGRectGetMinY(CGRect rect) {
  return CGRectStandardize(rect).origin.y;
}

float CGRectGetMidY(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.y + r.size.height / 2;
}

float CGRectGetMaxY(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  return r.origin.y + r.size.height;
}

float CGRectGetWidth(CGRect rect) {
  return CGRectStandardize(rect).size.width;
}

float CGRectGetHeight(CGRect rect) {
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

CGRect CGRectInset(CGRect rect, float dx, float dy) {
  CGRect r = CGRectStandardize(rect);
  return CGRectMake(r.origin.x + dx, r.origin.y + dy, r.size.width - 2 * dx,
                    r.size.height - 2 * dy);
}

CGRect CGRectIntegral(CGRect rect) {
  CGRect r = CGRectStandardize(rect);
  float minX = std::floor(r.origin.x);
  float minY = std::floor(r.origin.y);
  float maxX = std::ceil(r.origin.x + r.size.width);
  float maxY = std::ceil(r.origin.y + r.size.height);
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectUnion(CGRect a, CGRect b) {
  float minX = std::min(CGRectGetMinX(a), CGRectGetMinX(b));
  float minY = std::min(CGRectGetMinY(a), CGRectGetMinY(b));
  float maxX = std::max(CGRectGetMaxX(a), CGRectGetMaxX(b));
  float maxY = std::max(CGRectGetMaxY(a), CGRectGetMaxY(b));
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectIntersection(CGRect a, CGRect b) {
  float minX = std::max(CGRectGetMinX(a), CGRectGetMinX(b));
  float minY = std::max(CGRectGetMinY(a), CGRectGetMinY(b));
  float maxX = std::min(CGRectGetMaxX(a), CGRectGetMaxX(b));
  float maxY = std::min(CGRectGetMaxY(a), CGRectGetMaxY(b));
  if (!(maxX - minX > 0) || !(maxY - minY > 0)) {
    return CGRectNull;
  }
  return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

CGRect CGRectOffset(CGRect rect, float dx, float dy) {
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
  result.top = ToShort(r.origin.y);
  result.left = ToShort(r.origin.x);
  result.bottom = ToShort(r.origin.y + r.size.height);
  result.right = ToShort(r.origin.x + r.size.width);
  return result;
}
