// Float geometry with CoreGraphics names and meanings, supplied by this platform layer, and the
// bridges to the host's integer rectangles.
#pragma once

#include <cstdint>

#include "sdk/FourDPluginAPI.h"

// Double on 64-bit, as the platform's own kit: floats hold whole pixels only up to 2^24.
#if UINTPTR_MAX > 0xFFFFFFFFu
using CGFloat = double;
#else
using CGFloat = float;
#endif

struct CGPoint {
  CGFloat x;
  CGFloat y;
};

struct CGSize {
  CGFloat width;
  CGFloat height;
};

struct CGRect {
  CGPoint origin;
  CGSize size;
};

extern const CGPoint CGPointZero;
extern const CGSize CGSizeZero;
extern const CGRect CGRectZero;
extern const CGRect CGRectNull; // (+inf, +inf, 0, 0): the intersection of disjoint rectangles

CGPoint CGPointMake(CGFloat x, CGFloat y);
CGSize CGSizeMake(CGFloat width, CGFloat height);
CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height);

// Each of these standardizes first.
CGFloat CGRectGetMinX(CGRect rect);
CGFloat CGRectGetMidX(CGRect rect);
CGFloat CGRectGetMaxX(CGRect rect);
CGFloat CGRectGetMinY(CGRect rect);
CGFloat CGRectGetMidY(CGRect rect);
CGFloat CGRectGetMaxY(CGRect rect);
CGFloat CGRectGetWidth(CGRect rect);
CGFloat CGRectGetHeight(CGRect rect);

bool CGPointEqualToPoint(CGPoint a, CGPoint b);
bool CGSizeEqualToSize(CGSize a, CGSize b);
bool CGRectEqualToRect(CGRect a, CGRect b);

CGRect CGRectStandardize(CGRect rect);
bool CGRectIsEmpty(CGRect rect); // a zero width or height; a negative size is not empty
bool CGRectIsNull(CGRect rect);
CGRect CGRectInset(CGRect rect, CGFloat dx, CGFloat dy);
CGRect CGRectIntegral(CGRect rect);
CGRect CGRectUnion(CGRect a, CGRect b);
CGRect CGRectIntersection(CGRect a, CGRect b);
CGRect CGRectOffset(CGRect rect, CGFloat dx, CGFloat dy);
bool CGRectContainsPoint(CGRect rect, CGPoint point); // edges included
bool CGRectContainsRect(CGRect rect, CGRect inner);   // edges included
bool CGRectIntersectsRect(CGRect a, CGRect b);        // touching rectangles do not intersect

// Host rectangles
CGRect CGRectMakeWithQDRect(const Rect& rect);
Rect CGRectToIntegralQDRect(CGRect rect);

// Truncated toward zero and held within 16 bits; NaN is 0.
int16_t CGFloatToInt16(CGFloat value);
// Rounded to the nearest and held within 16 bits; NaN is 0.
int16_t CGFloatRoundToInt16(CGFloat value);
// Truncated toward zero and held within 32 bits; NaN is 0.
int32_t CGFloatToInt32(CGFloat value);
// Truncated toward zero and held within ±4e18, so that sums of a few stay in 64 bits; NaN is 0.
int64_t CGFloatToInt64(CGFloat value);
