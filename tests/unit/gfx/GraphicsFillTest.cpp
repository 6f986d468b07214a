#include <cmath>
#include <vector>

#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfx;
using namespace gfxtest;

namespace {

TEST(GraphicsFill, FillsExactlyTheRectangle) {
  Canvas canvas;
  SolidBrush red(kRed);
  ASSERT_EQ(canvas.graphics.FillRectangle(&red, 10, 20, 30, 5), Status::Ok);
  EXPECT_EQ(canvas.At(10, 20), kRed);
  EXPECT_EQ(canvas.At(39, 24), kRed);
  EXPECT_EQ(canvas.At(9, 20), kClear);
  EXPECT_EQ(canvas.At(40, 20), kClear);
  EXPECT_EQ(canvas.At(10, 25), kClear);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 30 * 5);
}

TEST(GraphicsFill, ManyRectanglesFillTheirUnionAndRefuseBadInput) {
  Canvas canvas;
  SolidBrush red(kRed);
  const RectF rects[] = {RectF(0, 0, 10, 10), RectF(5, 5, 10, 10), RectF(30, 30, 0, 8)};
  ASSERT_EQ(canvas.graphics.FillRectangles(&red, rects, 3), Status::Ok);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 100 + 100 - 25) << "overlaps count once";
  EXPECT_EQ(canvas.graphics.FillRectangles(&red, nullptr, 1), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.FillRectangles(&red, rects, -1), Status::InvalidParameter);
  const RectF infinite[] = {RectF(0, 0, INFINITY, 1)};
  EXPECT_EQ(canvas.graphics.FillRectangles(&red, infinite, 1), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.FillRectangles(&red, nullptr, 0), Status::Ok);
}

TEST(GraphicsFill, ClipRectangleLimitsDrawingUntilRestored) {
  Canvas canvas;
  SolidBrush red(kRed), blue(kBlue);
  GraphicsState state = canvas.graphics.Save();
  ASSERT_EQ(canvas.graphics.SetClip(RectF(8, 8, 16, 16)), Status::Ok);
  canvas.graphics.FillRectangle(&red, 0, 0, 64, 64);
  EXPECT_EQ(canvas.At(8, 8), kRed);
  EXPECT_EQ(canvas.At(23, 23), kRed);
  EXPECT_EQ(canvas.At(24, 23), kClear);
  EXPECT_EQ(canvas.At(7, 10), kClear);

  ASSERT_EQ(canvas.graphics.Restore(state), Status::Ok);
  canvas.graphics.FillRectangle(&blue, 40, 40, 4, 4);
  EXPECT_EQ(canvas.At(41, 41), kBlue);
}

TEST(GraphicsFill, IntersectedClipsKeepOnlyTheOverlap) {
  Canvas canvas;
  SolidBrush red(kRed);
  canvas.graphics.SetClip(RectF(0, 0, 20, 20));
  canvas.graphics.IntersectClip(RectF(10, 10, 20, 20));
  RectF bounds;
  ASSERT_EQ(canvas.graphics.GetClipBounds(&bounds), Status::Ok);
  EXPECT_FLOAT_EQ(bounds.X, 10);
  EXPECT_FLOAT_EQ(bounds.Width, 10);
  canvas.graphics.FillRectangle(&red, 0, 0, 64, 64);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 100);

  // Replacing drops the old clip altogether.
  canvas.graphics.SetClip(RectF(50, 50, 2, 2));
  canvas.graphics.FillRectangle(&red, 0, 0, 64, 64);
  EXPECT_EQ(canvas.At(51, 51), kRed);
}

TEST(GraphicsFill, ClipIsKeptInDeviceSpaceAcrossLaterTransforms) {
  Canvas canvas;
  SolidBrush red(kRed);
  canvas.graphics.SetClip(RectF(0, 0, 10, 10));
  canvas.graphics.TranslateTransform(5, 5);
  RectF bounds;
  canvas.graphics.GetClipBounds(&bounds);
  EXPECT_FLOAT_EQ(bounds.X, -5); // reported in the new user space
  canvas.graphics.FillRectangle(&red, 0, 0, 64, 64);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 25);
}

TEST(GraphicsFill, TranslatedAndScaledDrawingLandsWhereExpected) {
  Canvas canvas;
  SolidBrush red(kRed);
  canvas.graphics.TranslateTransform(10, 20);
  canvas.graphics.ScaleTransform(2, 3);
  canvas.graphics.FillRectangle(&red, 1, 1, 4, 2);
  // (1, 1)-(5, 3) scaled is (2, 3)-(10, 9), then moved by (10, 20).
  EXPECT_EQ(canvas.At(12, 23), kRed);
  EXPECT_EQ(canvas.At(19, 28), kRed);
  EXPECT_EQ(canvas.At(11, 23), kClear);
  EXPECT_EQ(canvas.At(20, 28), kClear);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 8 * 6);
}

TEST(GraphicsFill, AppendedTransformAppliesAfterTheCurrentOne) {
  Canvas canvas;
  canvas.graphics.ScaleTransform(2, 2);
  canvas.graphics.TranslateTransform(3, 0, MatrixOrderAppend);
  canvas.graphics.TranslateTransform(3, 0); // prepended: scaled by 2
  Matrix m;
  canvas.graphics.GetTransform(&m);
  float e[6];
  m.GetElements(e);
  EXPECT_FLOAT_EQ(e[0], 2);
  EXPECT_FLOAT_EQ(e[4], 9);
}

TEST(GraphicsFill, SingularTransformIsRefusedAndDrawingGoesOn) {
  Canvas canvas;
  SolidBrush red(kRed);
  EXPECT_EQ(canvas.graphics.ScaleTransform(0, 1), Status::InvalidParameter);
  Matrix singular(1, 2, 2, 4, 0, 0);
  EXPECT_EQ(canvas.graphics.SetTransform(&singular), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.TranslateTransform(NAN, 0), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.FillRectangle(&red, 1, 1, 2, 2), Status::Ok);
  EXPECT_EQ(canvas.At(1, 1), kRed);
}

TEST(GraphicsFill, RestoreOfAnOuterStateDropsInnerOnes) {
  Canvas canvas;
  GraphicsState outer = canvas.graphics.Save();
  canvas.graphics.TranslateTransform(5, 5);
  canvas.graphics.SetSmoothingMode(SmoothingModeAntiAlias);
  GraphicsState inner = canvas.graphics.Save();
  canvas.graphics.TranslateTransform(5, 5);
  ASSERT_EQ(canvas.graphics.Restore(outer), Status::Ok);
  Matrix m;
  canvas.graphics.GetTransform(&m);
  EXPECT_TRUE(m.IsIdentity());
  EXPECT_EQ(canvas.graphics.GetSmoothingMode(), SmoothingModeDefault);
  EXPECT_EQ(canvas.graphics.Restore(inner), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.Restore(0), Status::InvalidParameter);
}

TEST(GraphicsFill, RoundedRectangleLeavesItsCornersUntouched) {
  Canvas canvas;
  SolidBrush red(kRed);
  GraphicsPath path;
  ASSERT_EQ(path.AddRoundedRectangle(RectF(0, 0, 40, 40), 10, 10), Status::Ok);
  canvas.graphics.FillPath(&red, &path);
  EXPECT_EQ(canvas.At(0, 0), kClear);
  EXPECT_EQ(canvas.At(39, 0), kClear);
  EXPECT_EQ(canvas.At(0, 39), kClear);
  EXPECT_EQ(canvas.At(39, 39), kClear);
  EXPECT_EQ(canvas.At(20, 0), kRed);
  EXPECT_EQ(canvas.At(0, 20), kRed);
  EXPECT_EQ(canvas.At(20, 20), kRed);
  EXPECT_EQ(canvas.At(41, 20), kClear);
}

TEST(GraphicsFill, PathClipWithRegionKeepsTheRoundedShape) {
  Canvas canvas;
  SolidBrush red(kRed);
  GraphicsPath path;
  path.AddRoundedRectangle(RectF(0, 0, 40, 40), 10, 10);
  Region region(&path);
  canvas.graphics.IntersectClip(&region);
  canvas.graphics.FillRectangle(&red, 0, 0, 64, 64);
  EXPECT_EQ(canvas.At(0, 0), kClear);
  EXPECT_EQ(canvas.At(20, 20), kRed);
  EXPECT_EQ(canvas.At(45, 20), kClear);
}

TEST(GraphicsFill, InsetPenStaysInsideTheRectangle) {
  SolidBrush red(kRed);
  Canvas centred, inset;
  Pen pen(&red, 4);
  centred.graphics.DrawRectangle(&pen, RectF(10, 10, 20, 20));
  pen.SetAlignment(PenAlignmentInset);
  inset.graphics.DrawRectangle(&pen, RectF(10, 10, 20, 20));
  // Centred: x 8 to 12 on the left edge; inset: x 10 to 14.
  EXPECT_EQ(centred.At(8, 20), kRed);
  EXPECT_EQ(centred.At(11, 20), kRed);
  EXPECT_EQ(centred.At(12, 20), kClear);
  EXPECT_EQ(inset.At(9, 20), kClear);
  EXPECT_EQ(inset.At(10, 20), kRed);
  EXPECT_EQ(inset.At(13, 20), kRed);
  EXPECT_EQ(inset.At(14, 20), kClear);
  EXPECT_EQ(inset.At(29, 20), kRed);
  EXPECT_EQ(inset.At(30, 20), kClear);
}

TEST(GraphicsFill, ZeroWidthPenDrawsOneDevicePixelWhateverTheScale) {
  Canvas canvas;
  Pen pen(kBlue, 0);
  canvas.graphics.ScaleTransform(4, 4);
  canvas.graphics.DrawLine(&pen, 1, 2.125f, 10, 2.125f); // device y 8.5: row 8
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 36);
  EXPECT_EQ(canvas.At(20, 8), kBlue);
}

// As on the platform: a line one pixel wide at a whole coordinate covers the row or column it
// names, not halves of two; under a whole translation too.
TEST(GraphicsFill, OnePixelLinesAtWholeCoordinatesCoverTheRowOrColumnTheyName) {
  Canvas canvas;
  Pen pen(kBlue, 1);
  canvas.graphics.TranslateTransform(2, 3);
  canvas.graphics.DrawLine(&pen, 0, 2, 10, 2);   // row 5, columns 2 to 11
  canvas.graphics.DrawLine(&pen, 18, 0, 18, 10); // column 20, rows 3 to 12
  EXPECT_EQ(canvas.At(6, 5), kBlue);
  EXPECT_EQ(canvas.At(6, 4), kClear);
  EXPECT_EQ(canvas.At(6, 6), kClear);
  EXPECT_EQ(canvas.At(20, 6), kBlue);
  EXPECT_EQ(canvas.At(19, 6), kClear);
  EXPECT_EQ(canvas.At(21, 6), kClear);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 20);
}

TEST(GraphicsFill, TrianglesFillOnlyTheirInside) {
  Canvas canvas;
  SolidBrush green(kGreen);
  PointF triangle[] = {PointF(0, 0), PointF(20, 0), PointF(10, 10)};
  ASSERT_EQ(canvas.graphics.FillPolygon(&green, triangle, 3), Status::Ok);
  EXPECT_EQ(canvas.At(10, 2), kGreen);
  EXPECT_EQ(canvas.At(1, 8), kClear);
  EXPECT_EQ(canvas.At(19, 8), kClear);
}

// On Windows a device context is an HDC, tried on a real window under tests/windows.
#ifndef _WIN32
// Host pixels: rows may be longer than the picture; drawing must honour the row length.
TEST(GraphicsOnDeviceContext, DrawsIntoTheHostPixelsAtTheirRowLength) {
  std::vector<uint32_t> pixels(16 * 10, 0xDEADBEEF);
  FDDeviceContext dc{10, 10, 16 * 4, pixels.data()};
  Graphics graphics(&dc);
  ASSERT_EQ(graphics.GetLastStatus(), Status::Ok);
  SolidBrush red(kRed);
  graphics.Clear(kWhite);
  graphics.FillRectangle(&red, 2, 3, 1, 1);
  graphics.Flush();
  EXPECT_EQ(pixels[3 * 16 + 2], 0xFFFF0000u);
  EXPECT_EQ(pixels[3 * 16 + 3], 0xFFFFFFFFu);
  EXPECT_EQ(pixels[3 * 16 + 10], 0xDEADBEEFu); // past the row's last pixel
}

TEST(GraphicsOnDeviceContext, APartOfTheHostPixelsIsCopiedOutOpaqueAndBlackPastTheEdge) {
  std::vector<uint32_t> pixels(16 * 10, 0xFF00FF00u);
  pixels[4 * 16 + 9] = 0xFFFF0000u;
  FDDeviceContext dc{10, 10, 16 * 4, pixels.data()};
  std::unique_ptr<Bitmap> copy = Bitmap::FromDeviceContext(&dc, gfx::Rect(8, 3, 4, 4));
  ASSERT_NE(copy, nullptr);
  Color color;
  copy->GetPixel(1, 1, &color);
  EXPECT_EQ(color.GetValue(), 0xFFFF0000u);
  copy->GetPixel(0, 0, &color);
  EXPECT_EQ(color.GetValue(), 0xFF00FF00u);
  copy->GetPixel(2, 1, &color); // past the row's last pixel, not the row's padding
  EXPECT_EQ(color.GetValue(), 0xFF000000u);
  EXPECT_EQ(Bitmap::FromDeviceContext(&dc, gfx::Rect(0, 0, 0, 4)), nullptr);
  EXPECT_EQ(Bitmap::FromDeviceContext(nullptr, gfx::Rect(0, 0, 4, 4)), nullptr);
}

TEST(GraphicsOnDeviceContext, UnusableContextsAreRefusedAndNeverDrawn) {
  uint32_t pixels[64] = {};
  const FDDeviceContext bad[] = {
      {0, 4, 16, pixels},  {4, 0, 16, pixels},  {4, 4, 12, pixels},         {4, 4, 18, pixels},
      {4, 4, 16, nullptr}, {-4, 4, 16, pixels}, {40000, 1, 160000, pixels},
  };
  SolidBrush red(kRed);
  for (const FDDeviceContext& dc : bad) {
    Graphics graphics(&dc);
    EXPECT_EQ(graphics.GetLastStatus(), Status::InvalidParameter) << dc.fWidth << "x" << dc.fHeight;
    EXPECT_EQ(graphics.FillRectangle(&red, 0, 0, 4, 4), Status::InvalidParameter);
    EXPECT_EQ(graphics.Save(), 0u);
  }
  Graphics none(static_cast<const FDDeviceContext*>(nullptr));
  EXPECT_EQ(none.Clear(kRed), Status::InvalidParameter);
  for (uint32_t p : pixels) {
    ASSERT_EQ(p, 0u);
  }
}
#endif

TEST(GraphicsFill, MissingOrFailedObjectsAreRefused) {
  Canvas canvas;
  Pen negative(kRed, -1);
  EXPECT_EQ(negative.GetLastStatus(), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.DrawRectangle(&negative, RectF(0, 0, 5, 5)), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.FillRectangle(nullptr, RectF(0, 0, 5, 5)), Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.FillPath(nullptr, nullptr), Status::InvalidParameter);
  SolidBrush red(kRed);
  EXPECT_EQ(canvas.graphics.FillRectangle(&red, RectF(0, 0, INFINITY, 5)),
            Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.SetClip(static_cast<const Region*>(nullptr)), Status::InvalidParameter);
  EXPECT_EQ(canvas.CountInked(0, 0, 64, 64), 0);
}

} // namespace
