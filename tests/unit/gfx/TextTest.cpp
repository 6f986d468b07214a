#include <cmath>
#include <string>

#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfx;
using namespace gfxtest;

namespace {

const char* const kFamily = "DejaVu Sans";

struct Text : testing::Test {
  Canvas canvas{200, 120};
  Font font{kFamily, 10, FontStyleRegular, UnitPoint};

  RectF Measure(const char16_t* text, RectF layout, const StringFormat* format,
                int* lines = nullptr) {
    RectF bounds;
    EXPECT_EQ(
        canvas.graphics.MeasureString(text, -1, &font, layout, format, &bounds, nullptr, lines),
        Status::Ok);
    return bounds;
  }
};

TEST_F(Text, ALongerTextMeasuresWider) {
  RectF shortText = Measure(u"Dusk", RectF(), nullptr);
  RectF longText = Measure(u"Dusk over the lagoon", RectF(), nullptr);
  EXPECT_GT(shortText.Width, 10);
  EXPECT_GT(longText.Width, shortText.Width * 3);
  EXPECT_FLOAT_EQ(longText.Height, shortText.Height);
}

TEST_F(Text, AWidthLimitWrapsToMoreLinesAndHeight) {
  const char16_t* text = u"Sunrise over the glacier and the meadow";
  int oneLine = 0, wrapped = 0;
  RectF wide = Measure(text, RectF(0, 0, 0, 0), StringFormat::GenericTypographic(), &oneLine);
  RectF narrow = Measure(text, RectF(0, 0, 60, 0), StringFormat::GenericTypographic(), &wrapped);
  EXPECT_EQ(oneLine, 1);
  EXPECT_GT(wrapped, 2);
  EXPECT_GT(narrow.Height, wide.Height * 2);
  EXPECT_LE(narrow.Width, 60);
}

TEST_F(Text, NoWrapKeepsOneLineAndEllipsisTrimsItWithinTheWidth) {
  const char16_t* text = u"Sunrise over the glacier and the meadow";
  StringFormat format(StringFormatFlagsNoWrap);
  format.SetTrimming(StringTrimmingNone);
  int lines = 0;
  RectF cut = Measure(text, RectF(0, 0, 60, 0), &format, &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_GT(cut.Width, 60); // overflows, left to the clip

  format.SetTrimming(StringTrimmingEllipsisCharacter);
  RectF trimmed = Measure(text, RectF(0, 0, 60, 0), &format, &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_LE(trimmed.Width, 60);
  EXPECT_GT(trimmed.Width, 30);
}

TEST_F(Text, EllipsisWithWrappingStopsAtTheLinesThatFit) {
  const char16_t* text = u"Sunrise over the glacier and the meadow and the moss";
  auto format = StringFormat::GenericTypographic()->Clone();
  format->SetTrimming(StringTrimmingEllipsisWord);
  RectF oneLine = Measure(u"x", RectF(), format.get());
  int lines = 0;
  RectF box(0, 0, 80, oneLine.Height * 2.5f);
  RectF trimmed = Measure(text, box, format.get(), &lines);
  EXPECT_EQ(lines, 2);
  EXPECT_LE(trimmed.Height, box.Height);
  EXPECT_LE(trimmed.Width, box.Width);
}

TEST_F(Text, LineLimitShowsOnlyWholeLines) {
  const char16_t* text = u"one two three four five six seven eight";
  RectF oneLine = Measure(u"x", RectF(), nullptr);
  RectF box(0, 0, 50, oneLine.Height * 1.5f);
  int lines = 0;
  RectF limited = Measure(text, box, StringFormat::GenericTypographic(), &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_FLOAT_EQ(limited.Height, oneLine.Height);

  StringFormat partial; // no line limit: the second line shows, cut by the clip
  Measure(text, box, &partial, &lines);
  EXPECT_GT(lines, 1);
}

struct AlignmentCase {
  StringAlignment horizontal, vertical;
  float expectedX, expectedY; // fractions of the free space before the text
};

TEST_F(Text, AlignmentPlacesTheTextInTheBox) {
  const AlignmentCase cases[] = {
      {StringAlignmentNear, StringAlignmentNear, 0, 0},
      {StringAlignmentCenter, StringAlignmentCenter, 0.5f, 0.5f},
      {StringAlignmentFar, StringAlignmentFar, 1, 1},
      {StringAlignmentFar, StringAlignmentNear, 1, 0},
  };
  RectF box(10, 20, 150, 80);
  RectF size = Measure(u"Moss", RectF(), nullptr);
  for (const AlignmentCase& c : cases) {
    StringFormat format;
    format.SetAlignment(c.horizontal);
    format.SetLineAlignment(c.vertical);
    RectF placed = Measure(u"Moss", box, &format);
    EXPECT_NEAR(placed.X, box.X + (box.Width - size.Width) * c.expectedX, 0.5f) << c.horizontal;
    EXPECT_NEAR(placed.Y, box.Y + (box.Height - size.Height) * c.expectedY, 0.5f) << c.vertical;
  }
}

TEST_F(Text, DrawnTextInksInsideItsClippedBoxOnly) {
  SolidBrush black(kBlack);
  StringFormat clipping; // the default format clips to the layout box
  ASSERT_EQ(canvas.graphics.DrawString(u"WWWWWWWWWWWWWWWWWWWW", -1, &font, RectF(20, 20, 40, 30),
                                       &clipping, &black),
            Status::Ok);
  EXPECT_GT(canvas.CountInked(20, 20, 40, 30), 20);
  EXPECT_EQ(canvas.CountInked(60, 0, 140, 120), 0);
  EXPECT_EQ(canvas.CountInked(0, 0, 20, 120), 0);
}

TEST_F(Text, LineLimitedTextDrawsItsFirstLinesAndHidesTheRest) {
  SolidBrush black(kBlack);
  RectF oneLine = Measure(u"x", RectF(), nullptr);
  float lineHeight = oneLine.Height;
  RectF box(10, 10, 60, std::floor(lineHeight * 2.5f));
  ASSERT_EQ(canvas.graphics.DrawString(u"one two three four five six seven eight nine", -1, &font,
                                       box, StringFormat::GenericTypographic(), &black),
            Status::Ok);
  int firstLine = int(box.Y), secondLine = int(box.Y + lineHeight);
  EXPECT_GT(canvas.CountInked(10, firstLine, 60, int(lineHeight)), 10);
  EXPECT_GT(canvas.CountInked(10, secondLine, 60, int(lineHeight)), 10);
  // The third line would fit only in part: it is not drawn at all.
  int below = int(std::ceil(box.Y + 2 * lineHeight));
  EXPECT_EQ(canvas.CountInked(0, below, 200, 120 - below), 0);
}

// A word longer than its line breaks between characters, and the lines show exactly the
// characters of the text: the same pixels as the text broken by hand at the same places.
TEST_F(Text, ALongWordBreaksBetweenCharactersAddingNothing) {
  const StringFormat* format = StringFormat::GenericTypographic();
  const float width = 40;
  size_t perLine = 0;
  while (perLine < 24 &&
         Measure(std::u16string(perLine + 1, u'I').c_str(), RectF(), format).Width <= width) {
    ++perLine;
  }
  ASSERT_GT(perLine, 1u);
  ASSERT_LT(perLine, 12u);
  std::u16string byHand;
  for (size_t i = 0; i < 24; ++i) {
    if (i > 0 && i % perLine == 0) {
      byHand += u'\n';
    }
    byHand += u'I';
  }
  SolidBrush black(kBlack);
  Canvas broken(120, 160), handBroken(120, 160);
  broken.graphics.DrawString(std::u16string(24, u'I').c_str(), -1, &font, RectF(10, 10, width, 0),
                             format, &black);
  handBroken.graphics.DrawString(byHand.c_str(), -1, &font, RectF(10, 10, 0, 0), format, &black);
  EXPECT_GT(broken.CountInked(0, 0, 120, 160), 24);
  int differing = 0;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 120; ++x) {
      differing += broken.At(x, y).GetValue() != handBroken.At(x, y).GetValue();
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(Text, LengthLimitsTheTextDrawn) {
  RectF all = Measure(u"Glacier", RectF(), nullptr);
  RectF bounds;
  canvas.graphics.MeasureString(u"Glacier", 3, &font, RectF(), nullptr, &bounds);
  EXPECT_LT(bounds.Width, all.Width * 0.7f);
}

TEST_F(Text, BoldAndUnderlineChangeWhatIsDrawn) {
  SolidBrush black(kBlack);
  Font bold(kFamily, 10, FontStyleBold | FontStyleUnderline);
  ASSERT_EQ(bold.GetLastStatus(), Status::Ok);
  EXPECT_TRUE(bold.IsUnderline());
  canvas.graphics.DrawString(u"Ember", -1, &font, PointF(0, 0), nullptr, &black);
  canvas.graphics.DrawString(u"Ember", -1, &bold, PointF(0, 50), nullptr, &black);
  EXPECT_GT(canvas.CountInked(0, 50, 200, 50), canvas.CountInked(0, 0, 200, 50) + 20);
}

TEST_F(Text, BrokenTextStillLaysOut) {
  const char16_t lone[] = {u'A', char16_t(0xD800), u'B', char16_t(0xDC00), 0};
  RectF bounds = Measure(lone, RectF(), nullptr);
  EXPECT_GT(bounds.Width, 0);
  EXPECT_EQ(Measure(u"", RectF(5, 5, 10, 10), nullptr).Width, 0);
  RectF unused;
  EXPECT_EQ(canvas.graphics.MeasureString(u"x", -1, &font, RectF(0, 0, -5, 0), nullptr, &unused),
            Status::InvalidParameter);
  EXPECT_EQ(canvas.graphics.MeasureString(u"x", -1, nullptr, RectF(), nullptr, &unused),
            Status::InvalidParameter);
}

TEST(Font, AnUnknownFamilyFallsBackToAnInstalledFace) {
  Font known(kFamily, 12);
  ASSERT_EQ(known.GetLastStatus(), Status::Ok);
  EXPECT_TRUE(known.IsFamilyAvailable());
  EXPECT_EQ(known.GetResolvedFamilyName(), kFamily);

  const uint16_t unknownName[] = {'N', 'o', ' ', 'S', 'u', 'c', 'h', ' ', 'F', 'a', 'c', 'e', 0};
  Font unknown(unknownName, 12);
  ASSERT_EQ(unknown.GetLastStatus(), Status::Ok);
  EXPECT_FALSE(unknown.IsFamilyAvailable());
  EXPECT_EQ(unknown.GetFamilyName(), "No Such Face");
  EXPECT_FALSE(unknown.GetResolvedFamilyName().empty());

  Canvas canvas;
  RectF bounds;
  EXPECT_EQ(canvas.graphics.MeasureString(u"Slate", -1, &unknown, RectF(), nullptr, &bounds),
            Status::Ok);
  EXPECT_GT(bounds.Width, 10);
}

TEST(Font, SizesArePointsAtNinetySixPixelsPerInchOrPixels) {
  EXPECT_FLOAT_EQ(Font(kFamily, 12, FontStyleRegular, UnitPoint).GetPixelSize(), 16);
  EXPECT_FLOAT_EQ(Font(kFamily, 12, FontStyleRegular, UnitPixel).GetPixelSize(), 12);
  Canvas canvas;
  Font points(kFamily, 12, FontStyleRegular, UnitPoint), pixels(kFamily, 16, 0, UnitPixel);
  RectF a, b;
  canvas.graphics.MeasureString(u"Lagoon", -1, &points, RectF(), nullptr, &a);
  canvas.graphics.MeasureString(u"Lagoon", -1, &pixels, RectF(), nullptr, &b);
  EXPECT_FLOAT_EQ(a.Width, b.Width);
}

TEST(Font, UnusableNamesAndSizesFailToBuild) {
  struct Case {
    const char* family;
    float size;
    Unit unit;
  };
  const Case cases[] = {
      {"", 12, UnitPoint},        {nullptr, 12, UnitPoint},  {kFamily, 0, UnitPoint},
      {kFamily, -3, UnitPoint},   {kFamily, NAN, UnitPoint}, {kFamily, INFINITY, UnitPixel},
      {kFamily, 1e9f, UnitPoint}, {kFamily, 12, Unit(42)},
  };
  for (const Case& c : cases) {
    Font font(c.family, c.size, FontStyleRegular, c.unit);
    EXPECT_EQ(font.GetLastStatus(), Status::InvalidParameter)
        << (c.family ? c.family : "null") << " " << c.size;
    EXPECT_EQ(font.Native(), nullptr);
  }
}

} // namespace
