#include <cmath>

#include "platform/win/CGBridges.h"
#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfxtest;

namespace {

void ExpectRect(CGRect actual, CGRect expected) {
  EXPECT_FLOAT_EQ(actual.origin.x, expected.origin.x);
  EXPECT_FLOAT_EQ(actual.origin.y, expected.origin.y);
  EXPECT_FLOAT_EQ(actual.size.width, expected.size.width);
  EXPECT_FLOAT_EQ(actual.size.height, expected.size.height);
}

TEST(GeometryBridges, RectanglesConvertBetweenKinds) {
  Rect qd{10, 20, 40, 70}; // top, left, bottom, right
  gfx::Rect r = GdiplusRectMakeWithQDRect(qd);
  EXPECT_EQ(r.X, 20);
  EXPECT_EQ(r.Y, 10);
  EXPECT_EQ(r.Width, 50);
  EXPECT_EQ(r.Height, 30);

  gfx::Rect truncated = GdiplusRectMakeWithCGRect(CGRectMake(1.9f, -1.9f, 10.5f, 3.99f));
  EXPECT_EQ(truncated.X, 1);
  EXPECT_EQ(truncated.Y, -1);
  EXPECT_EQ(truncated.Width, 10);
  EXPECT_EQ(truncated.Height, 3);

  // The null rectangle (infinite origin) must not overflow the conversion.
  gfx::Rect null = GdiplusRectMakeWithCGRect(CGRectNull);
  EXPECT_EQ(null.X, INT32_MAX);
  EXPECT_EQ(GdiplusRectMakeWithCGRect(CGRectMake(NAN, 0, 0, 0)).X, 0);

  gfx::RectF f = GdiplusRectFMakeWithCGRect(CGRectMake(0.5f, 1.5f, 2.5f, 3.5f));
  EXPECT_FLOAT_EQ(f.GetRight(), 3);
  ExpectRect(CGRectMakeWithGdiplusRectF(f), CGRectMake(0.5f, 1.5f, 2.5f, 3.5f));
}

TEST(GeometryBridges, DeviceAndUserSpacesFollowTheTransform) {
  Canvas canvas;
  canvas.graphics.TranslateTransform(10, 20);
  canvas.graphics.ScaleTransform(2, -1); // flipped: the result is standardized
  CGRect device = GdiplusGraphicsConvertRectToDeviceSpace(&canvas.graphics, CGRectMake(1, 2, 3, 4));
  ExpectRect(device, CGRectMake(12, 14, 6, 4));
  ExpectRect(GdiplusGraphicsConvertRectToUserSpace(&canvas.graphics, device),
             CGRectMake(1, 2, 3, 4));
  ExpectRect(GdiplusGraphicsConvertRectToDeviceSpace(nullptr, CGRectMake(5, 5, -2, 3)),
             CGRectMake(3, 5, 2, 3));
}

TEST(GeometryBridges, AlignmentRoundsEachDeviceValueDownOnItsOwn) {
  Canvas canvas;
  canvas.graphics.TranslateTransform(0.25f, 0.5f);
  canvas.graphics.ScaleTransform(2, 2);
  // Device (2.25, 4.5, 5.0, 5.2): x, y, width and height floored -> (2, 4, 5, 5).
  CGRect aligned = CGRectAlignToDevicePixels(&canvas.graphics, CGRectMake(1, 2, 2.5f, 2.6f));
  ExpectRect(aligned, CGRectMake(0.875f, 1.75f, 2.5f, 2.5f));
  // Without a transform: plain flooring of each value.
  ExpectRect(CGRectAlignToDevicePixels(nullptr, CGRectMake(0.6f, 0.6f, 9.9f, 9.9f)),
             CGRectMake(0, 0, 9, 9));
}

TEST(GraphicsPathArcs, AnglesAreMeasuredOnTheEllipseClockwise) {
  // 45 degrees on a 200 x 100 ellipse: the ray y = x from the centre (100, 50).
  gfx::GraphicsPath path;
  ASSERT_EQ(path.AddArc(0, 0, 200, 100, 0, 45), gfx::Status::Ok);
  gfx::PointF end;
  path.GetLastPoint(&end);
  float t = 1 / std::sqrt(1 / 10000.0f + 1 / 2500.0f);
  EXPECT_NEAR(end.X, 100 + t, 0.01f);
  EXPECT_NEAR(end.Y, 50 + t, 0.01f);

  // Going the other way ends above the centre.
  gfx::GraphicsPath back;
  back.AddArc(0, 0, 200, 100, 180, -90);
  back.GetLastPoint(&end);
  EXPECT_NEAR(end.X, 100, 0.01f);
  EXPECT_NEAR(end.Y, 100, 0.01f);
}

TEST(GraphicsPathArcs, ArcsJoinTheOpenFigureAndSpanTheirQuarter) {
  gfx::GraphicsPath path;
  path.AddLine(0, 0, 10, 0);
  path.AddArc(20, 0, 20, 20, 270, 90); // top-right quarter of the circle at (30, 10)
  gfx::RectF bounds;
  path.GetBounds(&bounds);
  EXPECT_FLOAT_EQ(bounds.X, 0);
  EXPECT_FLOAT_EQ(bounds.GetRight(), 40);
  EXPECT_NEAR(bounds.GetBottom(), 10, 0.001f);
  EXPECT_EQ(path.AddArc(0, 0, 0, 10, 0, 90), gfx::Status::InvalidParameter);
  EXPECT_EQ(path.AddArc(0, 0, 10, 10, NAN, 90), gfx::Status::InvalidParameter);
  EXPECT_EQ(gfx::GraphicsPath().GetLastPoint(nullptr), gfx::Status::InvalidParameter);
  gfx::PointF last;
  EXPECT_EQ(gfx::GraphicsPath().GetLastPoint(&last), gfx::Status::WrongState);
}

} // namespace
