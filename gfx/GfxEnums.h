// Modes and options of the drawing layer. Numeric values are those the drawing code is written
// against (smoothing 4 is anti-aliased, trimming 2 cuts at words, unit 3 is the point...). Each has
// a fixed underlying type, so a value read from elsewhere is never undefined, only refused.
#pragma once

#include <stdint.h>

namespace gfx {

enum Unit : int { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3 };

enum SmoothingMode : int {
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4
};

enum InterpolationMode : int {
  InterpolationModeDefault = 0,
  InterpolationModeLowQuality = 1,
  InterpolationModeHighQuality = 2,
  InterpolationModeBilinear = 3,
  InterpolationModeBicubic = 4,
  InterpolationModeNearestNeighbor = 5,
  InterpolationModeHighQualityBilinear = 6,
  InterpolationModeHighQualityBicubic = 7
};

enum FillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };

enum MatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

enum CombineMode : int { CombineModeReplace = 0, CombineModeIntersect = 1 };

enum PenAlignment : int { PenAlignmentCenter = 0, PenAlignmentInset = 1 };

enum StringAlignment : int {
  StringAlignmentNear = 0,
  StringAlignmentCenter = 1,
  StringAlignmentFar = 2
};

enum StringTrimming : int {
  StringTrimmingNone = 0,
  StringTrimmingCharacter = 1,
  StringTrimmingWord = 2,
  StringTrimmingEllipsisCharacter = 3,
  StringTrimmingEllipsisWord = 4,
  StringTrimmingEllipsisPath = 5
};

enum StringFormatFlags : int {
  StringFormatFlagsNoFitBlackBox = 0x4,
  StringFormatFlagsNoWrap = 0x1000,
  StringFormatFlagsLineLimit = 0x2000,
  StringFormatFlagsNoClip = 0x4000
};

enum FontStyle : int {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8
};

// 32-bit formats only. Pixels are stored premultiplied; an RGB bitmap ignores its alpha byte.
enum PixelFormat : int32_t {
  PixelFormat32bppRGB = 0x22009,
  PixelFormat32bppARGB = 0x26200A,
  PixelFormat32bppPARGB = 0xE200B
};

enum ImageLockMode : int { ImageLockModeRead = 1, ImageLockModeWrite = 2 };

} // namespace gfx
