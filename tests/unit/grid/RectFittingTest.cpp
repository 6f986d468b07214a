#include "grid/RectFitting.h"

#include "tests/ParamNames.h"
#include <gtest/gtest.h>

namespace {

struct FitCase {
  float pictureWidth, pictureHeight;
  int32_t format;
  CGRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) {
  *os << c.pictureWidth << "x" << c.pictureHeight << " format " << c.format;
}

class FitInSquare : public testing::TestWithParam<FitCase> {};

TEST_P(FitInSquare, PlacesThePictureByFormat) {
  const FitCase& c = GetParam();
  CGRect result = FitCGRectInCGRect(CGRectMake(0, 0, c.pictureWidth, c.pictureHeight),
                                    CGRectMake(0, 0, 100, 100), c.format);
  EXPECT_TRUE(CGRectEqualToRect(result, c.expected))
      << result.origin.x << "," << result.origin.y << " " << result.size.width << "x"
      << result.size.height;
}

INSTANTIATE_TEST_SUITE_P(
    WidePicture, FitInSquare,
    testing::Values(
        FitCase{200, 100, 1, {{-50, 0}, {200, 100}}}, FitCase{200, 100, 2, {{0, 0}, {100, 100}}},
        FitCase{200, 100, 4, {{0, 0}, {200, 100}}}, FitCase{200, 100, 5, {{0, 0}, {100, 50}}},
        FitCase{200, 100, 6, {{0, 25}, {100, 50}}}, FitCase{200, 100, 8, {{0, 0}, {200, 100}}},
        FitCase{200, 100, 10, {{0, 0}, {200, 100}}}, FitCase{200, 100, 11, {{-50, 0}, {200, 100}}},
        FitCase{200, 100, 9, {{-50, 0}, {200, 100}}}, FitCase{200, 100, 0, {{-50, 0}, {200, 100}}},
        FitCase{200, 100, -3, {{-50, 0}, {200, 100}}},
        FitCase{200, 100, 12, {{-50, 0}, {200, 100}}}),
    paramnames::By([](const FitCase& c) { return "format " + std::to_string(c.format); }));

// A small picture is never enlarged by the proportional formats, always by the covering ones.
INSTANTIATE_TEST_SUITE_P(SmallPicture, FitInSquare,
                         testing::Values(FitCase{50, 50, 5, {{0, 0}, {50, 50}}},
                                         FitCase{50, 50, 6, {{25, 25}, {50, 50}}},
                                         FitCase{50, 50, 8, {{0, 0}, {100, 100}}},
                                         FitCase{50, 50, 10, {{0, 0}, {100, 100}}},
                                         FitCase{50, 50, 11, {{0, 0}, {100, 100}}},
                                         FitCase{50, 50, 3, {{0, 0}, {100, 100}}},
                                         FitCase{50, 50, 1, {{25, 25}, {50, 50}}}),
                         paramnames::By([](const FitCase& c) {
                           return "format " + std::to_string(c.format);
                         }));

TEST(FitCGRectInCGRect, FollowsTheDestinationOrigin) {
  CGRect result = FitCGRectInCGRect(CGRectMake(0, 0, 20, 10), CGRectMake(30, 40, 40, 40), 6);
  EXPECT_TRUE(CGRectEqualToRect(result, CGRectMake(40, 55, 20, 10)));
}

TEST(FitCGRectInCGRect, PictureWithoutAreaGivesAnEmptyRectangle) {
  for (int32_t format : {1, 2, 5, 11}) {
    CGRect result = FitCGRectInCGRect(CGRectMake(0, 0, 0, 10), CGRectMake(5, 5, 40, 40), format);
    EXPECT_TRUE(CGRectIsEmpty(result));
    EXPECT_FALSE(CGRectIsNull(result));
  }
}

TEST(DisplayFormats, AcceptExactlyTheKnownValues) {
  for (int32_t format = -2; format <= 13; ++format) {
    bool known = format == 1 || format == 2 || format == 4 || format == 5 || format == 6 ||
                 format == 8 || format == 9 || format == 10 || format == 11;
    EXPECT_EQ(IsValidPictureDisplayFormat(format), known) << format;
    EXPECT_EQ(IsValidBackPictureDisplayFormat(format), known || format == 0) << format;
  }
}

} // namespace
