// Where a picture is drawn inside its rectangle, by display format.
#pragma once

#include "platform/win/CGGeometry.h"

#include <stdint.h>

enum ZorvinDisplayFormat : int32_t {
  kZVFormatTruncatedCentered = 1,
  kZVFormatScaled = 2,
  kZVFormatTruncatedTopLeft = 4,
  kZVFormatProportionalTopLeft = 5,
  kZVFormatProportionalCentered = 6,
  kZVFormatCoverTopLeft = 8,
  kZVFormatCoverCenteredAlt = 9,
  kZVFormatCoverTopLeftAlt = 10,
  kZVFormatCoverCentered = 11
};

// The formats a cell picture accepts (1, 2, 4, 5, 6, 8, 9, 10, 11); the back picture also takes 0.
bool IsValidPictureDisplayFormat(int32_t format);
bool IsValidBackPictureDisplayFormat(int32_t format);

// `source` is the picture's bounds, `destination` the rectangle it goes in. The result may overflow
// the destination; the caller clips to it.
CGRect FitCGRectInCGRect(CGRect source, CGRect destination, int32_t format);
