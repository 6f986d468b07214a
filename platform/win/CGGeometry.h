// Float geometry with CoreGraphics names and meanings, supplied by this platform layer, and the
// bridges to the host's integer rectangles.
#pragma once

#include "sdk/FourDPluginAPI.h"

struct CGPoint {
  float x;
  float y;
};

struct CGSize {
  float width;
  float height;
};

struct CGRect {
  CGPoint origin;
  CGSize size;
};

extern const CGPoint CGPointZero;
extern const CGSize CGSizeZero;
extern const CGRect CGRectZero;
extern const CGRect CGRectNull; // (+inf, +inf, 0, 0): the intersection of disjoint rectangles

CGPoint CGPointMake(float x, float y);
CGSize CGSizeMake(float width, float height);
CGRect CGRectMake(float x, float y, float width, float height);

// Each of these standardizes first.
float CGRectGetMinX(CGRect rect);
float CGRectGetMidX(CGRect rect);
float CGRectGetMaxX(CGRect rect);
float CGRectGetMinY(CGRect rect);
float CGRectGetMidY(CGRect rect);
float CGRectGetMaxY(CGRect rect);
float CGRectGetWidth(CGRect rect);
float CGRectGetHeight(CGRect rect);

bool CGPointEqualToPoint(CGPoint a, CGPoint b);
bool CGSizeEqualToSize(CGSize a, CGSize b);
bool CGRectEqualToRect(CGRect a, CGRect b);

CGRect CGRectStandardize(CGRect rect);
bool CGRectIsEmpty(CGRect rect); // a zero width or height; a negative size is not empty
bool CGRectIsNull(CGRect rect);
CGRect CGRectInset(CGRect rect, float dx, float dy);
CGRect CGRectIntegral(CGRect rect);
CGRect CGRectUnion(CGRect a, CGRect b);
CGRect CGRectIntersection(CGRect a, CGRect b);
CGRect CGRectOffset(CGRect rect, float dx, float dy);
bool CGRectContainsPoint(CGRect rect, CGPoint point); // edges included
bool CGRectContainsRect(CGRect rect, CGRect inner);   // edges included
bool CGRectIntersectsRect(CGRect a, CGRect b);        // touching rectangles do not intersect

// Host rectangles
CGRect CGRectMakeWithQDRect(const Rect& rect);
Rect CGRectToIntegralQDRect(CGRect rect);
