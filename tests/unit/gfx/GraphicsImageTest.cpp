#include <string.h>

#include <cmath>
#include <vector>

#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfx;
using namespace gfxtest;

namespace {

// 2 x 2: red, green / blue, white.
std::unique_ptr<Bitmap> FourColours() {
  auto image = std::make_unique<Bitmap>(2, 2);
  image->SetPixel(0, 0, kRed);
  image->SetPixel(1, 0, kGreen);
  image->SetPixel(0, 1, kBlue);
  image->SetPixel(1, 1, kWhite);
  return image;
}

TEST(GraphicsImage, ScaledIntoARectangleFillsItQuadrantByQuadrant) {
  Canvas canvas;
  auto image = FourColours();
  canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor);
  ASSERT_EQ(canvas.graphics.DrawImage(image.get(), RectF(10, 10, 40, 20)), Status::Ok);
  EXPECT_EQ(canvas.At(10, 10), kRed);
  EXPECT_EQ(canvas.At(29, 19), kRed);
  EXPECT_EQ(canvas.At(30, 19), kGreen);
  EXPECT_EQ(canvas.At(29, 20), kBlue);
  EXPECT_EQ(canvas.At(49, 29), kWhite);
  EXPECT_EQ(canvas.At(50, 29), kClear);
  EXPECT_EQ(canvas.At(49, 30), kClear);
  EXPECT_EQ(canvas.At(9, 10), kClear);
}

TEST(GraphicsImage, SmoothScalingKeepsSolidEdgesInsideTheTarget) {
  Canvas canvas;
  Bitmap image(4, 4);
  Graphics(&image).Clear(kRed);
  canvas.graphics.SetInterpolationMode(InterpolationModeHighQualityBicubic);
  canvas.graphics.DrawImage(&image, RectF(0, 0, 50, 30));
  // Edges are padded, not faded into transparency.
  EXPECT_EQ(canvas.At(0, 0), kRed);
  EXPECT_EQ(canvas.At(49, 29), kRed);
  EXPECT_EQ(canvas.At(50, 29), kClear);
}

TEST(GraphicsImage, SourceRectangleSelectsThePartDrawn) {
  Canvas canvas;
  auto image = FourColours();
  canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor);
  ASSERT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, 10, 20), 1, 0, 1, 2, UnitPixel),
            Status::Ok);
  EXPECT_EQ(canvas.At(0, 0), kGreen);
  EXPECT_EQ(canvas.At(9, 9), kGreen);
  EXPECT_EQ(canvas.At(0, 10), kWhite);
  EXPECT_EQ(canvas.At(10, 0), kClear);
}

TEST(GraphicsImage, SourceBeyondTheImageDrawsOnlyTheImagePart) {
  Canvas canvas;
  auto image = FourColours();
  canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor);
  // Source (1, 0, 2, 2): the right half of it lies outside the picture.
  canvas.graphics.DrawImage(image.get(), RectF(0, 0, 20, 20), 1, 0, 2, 2, UnitPixel);
  EXPECT_EQ(canvas.At(5, 5), kGreen);
  EXPECT_EQ(canvas.At(5, 15), kWhite);
  EXPECT_EQ(canvas.At(15, 5), kClear);
  EXPECT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, 5, 5), 5, 5, 1, 1, UnitPixel),
            Status::Ok);
}

TEST(GraphicsImage, NaturalSizeAtAPointFollowsTheTransform) {
  Canvas canvas;
  auto image = FourColours();
  canvas.graphics.TranslateTransform(20, 30);
  ASSERT_EQ(canvas.graphics.DrawImage(image.get(), 1, 1), Status::Ok);
  EXPECT_EQ(canvas.At(21, 31), kRed);
  EXPECT_EQ(canvas.At(22, 32), kWhite);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 4);
}

TEST(GraphicsImage, DrawingABitmapOntoItselfCopiesFromTheOldPixels) {
  Canvas canvas(8, 1);
  for (int x = 0; x < 8; ++x) {
    canvas.bitmap.SetPixel(x, 0, Color(255, uint8_t(x * 10), 0, 0));
  }
  canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor);
  // Shifts by one pixel to the right, overlapping itself.
  canvas.graphics.DrawImage(&canvas.bitmap, RectF(1, 0, 7, 1), 0, 0, 7, 1, UnitPixel);
  for (int x = 1; x < 8; ++x) {
    EXPECT_EQ(canvas.At(x, 0).GetR(), (x - 1) * 10) << x;
  }
}

TEST(GraphicsImage, BadArgumentsAreRefusedWithoutDrawing) {
  Canvas canvas;
  auto image = FourColours();
  Bitmap failed(0, 0);
  EXPECT_EQ(canvas.graphics.DrawImage(nullptr, RectF(0, 0, 5, 5)), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawImage(&failed, RectF(0, 0, 5, 5)), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, 5, 5), 0, 0, 0, 2, UnitPixel),
            Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, 5, 5), 0, 0, 2, 2, UnitPoint),
            Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, NAN, 5)), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawImage(image.get(), RectF(0, 0, 0, 5)), Status::Ok);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 0);
}

// Host native images are premultiplied ARGB with their own row length.
TEST(BitmapFromNativeImage, CopiesOrWrapsTheHostPixels) {
  std::vector<uint32_t> pixels(3 * 2, 0);
  pixels[0] = 0xFF102030;
  pixels[3] = 0x80400000; // half-transparent red, premultiplied
  FDNativeImage image{2, 2, 3 * 4, pixels.data()};

  Bitmap copy(&image);
  ASSERT_EQ(copy.GetLastStatus(), Status::Ok);
  Color color;
  copy.GetPixel(0, 0, &color);
  EXPECT_EQ(color, Color(0xFF102030));
  copy.GetPixel(0, 1, &color);
  EXPECT_EQ(color.GetA(), 0x80);
  EXPECT_NEAR(color.GetR(), 0x80, 1);

  Bitmap wrapped(&image, false);
  ASSERT_EQ(wrapped.GetLastStatus(), Status::Ok);
  {
    Graphics graphics(&wrapped);
    SolidBrush blue(kBlue);
    graphics.FillRectangle(&blue, 1, 1, 1, 1);
  }
  EXPECT_EQ(pixels[3 + 1], 0xFF0000FFu); // drawn straight into the host's pixels
  copy.GetPixel(1, 1, &color);
  EXPECT_EQ(color, kClear); // the copy is on its own
}

TEST(BitmapFromNativeImage, UnusableImagesAreRefused) {
  uint32_t pixels[16] = {};
  const FDNativeImage bad[] = {{0, 2, 8, pixels},
                               {2, -1, 8, pixels},
                               {2, 2, 4, pixels},
                               {2, 2, 8, nullptr},
                               {70000, 1, 280000, pixels}};
  for (const FDNativeImage& image : bad) {
    EXPECT_EQ(Bitmap(&image).GetLastStatus(), Status::InvalidParameter) << image.fWidth;
  }
  EXPECT_EQ(Bitmap(static_cast<const FDNativeImage*>(nullptr)).GetLastStatus(),
            Status::InvalidParameter);
}

TEST(Bitmap, WrapsAZeroedBufferAsOpaquePixels) {
  std::vector<uint8_t> buffer(3 * 4 * 2, 0);
  Bitmap bitmap(3, 2, 3 * 4, PixelFormat32bppRGB, buffer.data());
  ASSERT_EQ(bitmap.GetLastStatus(), Status::Ok);
  Color color;
  bitmap.GetPixel(2, 1, &color);
  EXPECT_EQ(color, kBlack); // alpha is ignored
  EXPECT_EQ(Bitmap(3, 2, 11, PixelFormat32bppRGB, buffer.data()).GetLastStatus(),
            Status::InvalidParameter);
  EXPECT_EQ(Bitmap(3, 2, 12, PixelFormat32bppARGB, buffer.data()).GetLastStatus(),
            Status::InvalidParameter);
}

TEST(Bitmap, LocksOneRectangleAtATime) {
  Bitmap bitmap(4, 4);
  BitmapData data;
  gfx::Rect rect(1, 2, 2, 2);
  ASSERT_EQ(bitmap.LockBits(&rect, ImageLockModeWrite, PixelFormat32bppPARGB, &data), Status::Ok);
  EXPECT_EQ(bitmap.LockBits(nullptr, ImageLockModeRead, PixelFormat32bppPARGB, &data),
            Status::WrongState);
  uint32_t green = 0xFF00FF00;
  memcpy(data.Scan0 + data.Stride, &green, 4); // (1, 3)
  ASSERT_EQ(bitmap.UnlockBits(&data), Status::Ok);
  Color color;
  bitmap.GetPixel(1, 3, &color);
  EXPECT_EQ(color, kGreen);

  gfx::Rect outside(3, 3, 2, 1);
  EXPECT_EQ(bitmap.LockBits(&outside, ImageLockModeRead, PixelFormat32bppPARGB, &data),
            Status::InvalidParameter);
  EXPECT_EQ(bitmap.LockBits(nullptr, ImageLockModeRead, PixelFormat32bppRGB, &data),
            Status::InvalidParameter);
  EXPECT_EQ(bitmap.UnlockBits(&data), Status::WrongState);
}

TEST(Bitmap, MissingOrBrokenFilesFailToLoad) {
  EXPECT_EQ(Bitmap::FromFile("/nonexistent/gfx_none.png")->GetLastStatus(), Status::FileNotFound);
  EXPECT_EQ(Bitmap::FromFile(static_cast<const char*>(nullptr))->GetLastStatus(),
            Status::FileNotFound);
  const uint8_t junk[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  auto broken = Bitmap::FromPngBytes(junk, sizeof junk);
  EXPECT_EQ(broken->GetLastStatus(), Status::FileNotFound);
  EXPECT_EQ(broken->GetWidth(), 0);
}

} // namespace
