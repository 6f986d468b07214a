// Shared helpers of the drawing-layer tests: a canvas to draw on and pixel probes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "gfx/Graphics.h"

namespace gfx {

inline void PrintTo(Status status, std::ostream* os) {
  *os << "Status(" << int(status) << ")";
}

inline void PrintTo(const Color& color, std::ostream* os) {
  *os << std::hex << "0x" << color.GetValue() << std::dec;
}

} // namespace gfx

namespace gfxtest {

inline const gfx::Color kRed(255, 0, 0);
inline const gfx::Color kGreen(0, 255, 0);
inline const gfx::Color kBlue(0, 0, 255);
inline const gfx::Color kWhite(255, 255, 255);
inline const gfx::Color kBlack(0, 0, 0);
inline const gfx::Color kClear(0, 0, 0, 0);

// A transparent bitmap and a graphics on it.
struct Canvas {
  explicit Canvas(int width = 64, int height = 64) : bitmap(width, height), graphics(&bitmap) {}

  gfx::Color At(int x, int y) {
    graphics.Flush();
    gfx::Color color;
    EXPECT_EQ(bitmap.GetPixel(x, y, &color), gfx::Status::Ok) << "at " << x << "," << y;
    return color;
  }

  // Pixels whose alpha is above half, among those of a rectangle.
  int CountInked(int x0, int y0, int width, int height) {
    int count = 0;
    for (int y = y0; y < y0 + height; ++y) {
      for (int x = x0; x < x0 + width; ++x) {
        count += At(x, y).GetA() > 127;
      }
    }
    return count;
  }

  gfx::Bitmap bitmap;
  gfx::Graphics graphics;
};

} // namespace gfxtest
