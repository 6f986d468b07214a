// The Cairo side lays out a line-limited text only as far as its box shows; its count of lines
// laid out is what tells.
#include <string>

#include "gfx/cairo/TextLayout.h"
#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfx;
using namespace gfxtest;

namespace {

struct CairoText : testing::Test {
  Canvas canvas{200, 120};
  Font font{"DejaVu Sans", 10, FontStyleRegular, UnitPoint};

  RectF Measure(const char16_t* text, RectF layout, const StringFormat* format,
                int* lines = nullptr) {
    RectF bounds;
    EXPECT_EQ(
        canvas.graphics.MeasureString(text, -1, &font, layout, format, &bounds, nullptr, lines),
        Status::Ok);
    return bounds;
  }
};

// A long text in a line-limited box is laid out only as far as the box shows, and draws the
// same pixels as the whole text laid out and clipped to the same lines: words, a long word
// broken between characters, and the place where the layout stops all land where they would.
TEST_F(CairoText, ALineLimitedTextLaysOutOnlyWhatItsBoxShows) {
  std::u16string text;
  for (int i = 0; i < 60; ++i) {
    text += u"sunrise over the glacier ";
  }
  text += std::u16string(3000, u'x') + u" moss";
  const float lineHeight = Measure(u"x", RectF(), nullptr).Height;
  const RectF box(10, 10, 60, lineHeight * 3);
  SolidBrush black(kBlack);

  Canvas whole{200, 120};
  StringFormat clipped; // wraps and clips, with no line limit: every line is laid out
  clipped.SetTrimming(StringTrimmingNone);
  const uint64_t before = TextLayout::LinesLaidOut();
  ASSERT_EQ(whole.graphics.DrawString(text.c_str(), -1, &font, box, &clipped, &black), Status::Ok);
  const uint64_t everyLine = TextLayout::LinesLaidOut() - before;
  EXPECT_GT(everyLine, 100u);

  for (const size_t length : {text.size(), size_t{1500}, size_t{800}, size_t{90}}) {
    Canvas limited{200, 120};
    const uint64_t start = TextLayout::LinesLaidOut();
    ASSERT_EQ(limited.graphics.DrawString(text.c_str(), int(length), &font, box,
                                          StringFormat::GenericTypographic(), &black),
              Status::Ok);
    EXPECT_LE(TextLayout::LinesLaidOut() - start, 12u) << "three lines show";
    if (length == text.size()) {
      for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 200; ++x) {
          ASSERT_EQ(limited.At(x, y), whole.At(x, y)) << "at " << x << "," << y;
        }
      }
    }
  }

  int lines = 0;
  const uint64_t start = TextLayout::LinesLaidOut();
  const RectF measured = Measure(text.c_str(), box, StringFormat::GenericTypographic(), &lines);
  EXPECT_LE(TextLayout::LinesLaidOut() - start, 12u);
  EXPECT_EQ(lines, 3);
  EXPECT_FLOAT_EQ(measured.Height, lineHeight * 3);
}

} // namespace
