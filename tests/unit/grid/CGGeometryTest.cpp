#include "platform/win/CGGeometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(CGRect r, float x, float y, float w, float h) {
  EXPECT_TRUE(CGRectEqualToRect(r, CGRectMake(x, y, w, h)))
      << r.origin.x << "," << r.origin.y << " " << r.size.width << "x" << r.size.height;
}

TEST(CGGeometry, StandardizeMovesTheOriginOfNegativeSizes) {
  ExpectRect(CGRectStandardize(CGRectMake(10, 10, -4, -6)), 6, 4, 4, 6);
  EXPECT_EQ(CGRectGetMinX(CGRectMake(10, 10, -4, -6)), 6);
  EXPECT_EQ(CGRectGetMaxY(CGRectMake(10, 10, -4, -6)), 10);
  EXPECT_EQ(CGRectGetMidX(CGRectMake(10, 10, -4, -6)), 8);
}

TEST(CGGeometry, EmptinessAndNullness) {
  EXPECT_TRUE(CGRectIsEmpty(CGRectMake(3, 3, 0, 5)));
  EXPECT_FALSE(CGRectIsEmpty(CGRectMake(3, 3, -2, 5)));
  EXPECT_TRUE(CGRectIsNull(CGRectNull));
  EXPECT_TRUE(CGRectIsEmpty(CGRectNull));
  EXPECT_FALSE(CGRectIsNull(CGRectZero));
}

TEST(CGGeometry, IntersectionOfDisjointOrTouchingRectanglesIsNull) {
  CGRect a = CGRectMake(0, 0, 10, 10);
  EXPECT_TRUE(CGRectIsNull(CGRectIntersection(a, CGRectMake(20, 0, 5, 5))));
  EXPECT_TRUE(CGRectIsNull(CGRectIntersection(a, CGRectMake(10, 0, 10, 10))));
  EXPECT_FALSE(CGRectIntersectsRect(a, CGRectMake(10, 0, 10, 10)));
  EXPECT_TRUE(CGRectIntersectsRect(a, CGRectMake(9.5f, 0, 10, 10)));
  ExpectRect(CGRectIntersection(a, CGRectMake(5, -5, 10, 10)), 5, 0, 5, 5);
}

TEST(CGGeometry, ContainmentIncludesEveryEdge) {
  CGRect a = CGRectMake(0, 0, 10, 10);
  EXPECT_TRUE(CGRectContainsPoint(a, CGPointMake(10, 10)));
  EXPECT_TRUE(CGRectContainsPoint(a, CGPointMake(0, 0)));
  EXPECT_FALSE(CGRectContainsPoint(a, CGPointMake(10.01f, 5)));
  EXPECT_TRUE(CGRectContainsRect(a, a));
  EXPECT_FALSE(CGRectContainsRect(a, CGRectMake(1, 1, 10, 2)));
}

TEST(CGGeometry, IntegralRoundsOutward) {
  ExpectRect(CGRectIntegral(CGRectMake(0.5f, 0.5f, 1.0f, 1.0f)), 0, 0, 2, 2);
  ExpectRect(CGRectIntegral(CGRectMake(-1.5f, 2, 3, 1)), -2, 2, 4, 1);
}

TEST(CGGeometry, InsetUnionOffset) {
  ExpectRect(CGRectInset(CGRectMake(10, 10, -10, 20), 2, 3), 2, 13, 6, 14);
  ExpectRect(CGRectUnion(CGRectMake(0, 0, 5, 5), CGRectMake(10, 2, 5, 5)), 0, 0, 15, 7);
  ExpectRect(CGRectOffset(CGRectMake(1, 2, 3, 4), -1, 3), 0, 5, 3, 4);
}

TEST(CGGeometry, HostRectanglesRoundTrip) {
  Rect qd = {10, 20, 50, 80}; // top, left, bottom, right
  ExpectRect(CGRectMakeWithQDRect(qd), 20, 10, 60, 40);
  Rect back = CGRectToIntegralQDRect(CGRectMake(20.4f, 9.6f, 59.2f, 40.1f));
  EXPECT_EQ(back.top, 9);
  EXPECT_EQ(back.left, 20);
  EXPECT_EQ(back.bottom, 50);
  EXPECT_EQ(back.right, 80);
}

TEST(CGGeometry, HostRectanglesClampInsteadOfWrapping) {
  Rect r = CGRectToIntegralQDRect(CGRectMake(-40000, 0, 100000, 10));
  EXPECT_EQ(r.left, -32768);
  EXPECT_EQ(r.right, 32767);
}

} // namespace
