// Bridges between the float geometry kit and the drawing layer: rectangles of either kind, and
// conversions between a graphics' user space (its current transform) and device pixels.
#pragma once

#include "gfx/Graphics.h"
#include "platform/win/CGGeometry.h"

gfx::Rect GdiplusRectMakeWithQDRect(const Rect& rect);
// Each component truncated toward zero (and held within 32 bits).
gfx::Rect GdiplusRectMakeWithCGRect(CGRect rect);
gfx::RectF GdiplusRectFMakeWithCGRect(CGRect rect);
CGRect CGRectMakeWithGdiplusRectF(const gfx::RectF& rect);

// The two corners (origin and origin + size) through the current transform, or its inverse, and
// the standardized rectangle spanning them. Without a graphics the rectangle is only standardized.
CGRect GdiplusGraphicsConvertRectToDeviceSpace(const gfx::Graphics* graphics, CGRect rect);
CGRect GdiplusGraphicsConvertRectToUserSpace(const gfx::Graphics* graphics, CGRect rect);

// In device space, x, y, width and height each rounded down on their own; back in user space.
// Pictures drawn into the result have their edges on whole device pixels.
CGRect CGRectAlignToDevicePixels(const gfx::Graphics* graphics, CGRect rect);
