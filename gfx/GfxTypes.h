// Value types of the drawing layer: points, sizes and rectangles in float and integer pixels, and
// colours as 32-bit ARGB. Field names follow the drawing code that uses them.
#pragma once

#include <stdint.h>

namespace gfx {

struct PointF {
  float X = 0;
  float Y = 0;
  PointF() = default;
  PointF(float x, float y) : X(x), Y(y) {}
};

struct SizeF {
  float Width = 0;
  float Height = 0;
  SizeF() = default;
  SizeF(float width, float height) : Width(width), Height(height) {}
};

struct RectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;

  RectF() = default;
  RectF(float x, float y, float width, float height) : X(x), Y(y), Width(width), Height(height) {}

  float GetLeft() const { return X; }
  float GetTop() const { return Y; }
  float GetRight() const { return X + Width; }
  float GetBottom() const { return Y + Height; }
  bool IsEmptyArea() const { return Width <= 0 || Height <= 0; }
  bool Contains(float x, float y) const {
    return x >= X && x < X + Width && y >= Y && y < Y + Height;
  }
};

struct Rect {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;

  Rect() = default;
  Rect(int32_t x, int32_t y, int32_t width, int32_t height)
      : X(x), Y(y), Width(width), Height(height) {}
};

// Straight (not premultiplied) 0xAARRGGBB.
class Color {
public:
  Color() = default;
  explicit Color(uint32_t argb) : fArgb(argb) {}
  Color(uint8_t r, uint8_t g, uint8_t b) : fArgb(MakeARGB(255, r, g, b)) {}
  Color(uint8_t a, uint8_t r, uint8_t g, uint8_t b) : fArgb(MakeARGB(a, r, g, b)) {}

  static constexpr uint32_t MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
  }

  uint32_t GetValue() const { return fArgb; }
  uint8_t GetA() const { return uint8_t(fArgb >> 24); }
  uint8_t GetR() const { return uint8_t(fArgb >> 16); }
  uint8_t GetG() const { return uint8_t(fArgb >> 8); }
  uint8_t GetB() const { return uint8_t(fArgb); }

  bool operator==(const Color& other) const { return fArgb == other.fArgb; }

private:
  uint32_t fArgb = 0xFF000000;
};

} // namespace gfx
