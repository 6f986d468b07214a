#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <new>
#include <string>

#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/StringFormat.h"
#include "grid/ZorvinArea.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

// Armed, the next allocations of the drawing objects fail as they would without memory.
bool gRefuseNothrowNew = false;

} // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (gRefuseNothrowNew) {
    return nullptr;
  }
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}

namespace {

using hosttest::Str;
using hosttest::U;

uint32_t ColorOf(const gfx::SolidBrush* brush) {
  return brush != nullptr ? brush->GetColor().GetValue() : 0xDEADBEEF;
}

class ZorvinAreaLookCaptions : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fArea = std::make_unique<ZorvinArea>();
    fArea->SetupNativeCaptionThings();
  }
  void TearDown() override {
    fArea.reset();
    HostTest::TearDown();
  }
  bool TakeRedraw() {
    // Marks are read by the end of the host's cycle; a fresh layout clears them.
    bool marked = ZorvinAreaTestAccess::NeedsRedraw(*fArea);
    fArea->DidEndExecutionCycle(nullptr);
    return marked;
  }
  std::unique_ptr<ZorvinArea> fArea;
};

TEST_F(ZorvinAreaLookCaptions, TheNativeThingsComeAndGoTogether) {
  EXPECT_NE(fArea->GetCaptionFont(), nullptr);
  EXPECT_NE(fArea->GetCaptionParagraphStyle(), nullptr);
  EXPECT_EQ(ColorOf(fArea->GetCaptionForeBrush()), 0xFF000000u);
  EXPECT_EQ(ColorOf(fArea->GetCaptionBackBrush()), 0xFFFFFFFFu);
  fArea->CleanupNativeCaptionThings();
  EXPECT_EQ(fArea->GetCaptionFont(), nullptr);
  EXPECT_EQ(fArea->GetCaptionParagraphStyle(), nullptr);
  EXPECT_EQ(fArea->GetCaptionForeBrush(), nullptr);
  EXPECT_EQ(fArea->GetCaptionBackBrush(), nullptr);
}

TEST_F(ZorvinAreaLookCaptions, TheFontTakesOnlyTheKnownStyleBits) {
  ASSERT_EQ(fArea->SetCaptionTextStyle(U(u"Sans"), 13, 0x7 | 0x8 | 0x100), 0);
  EXPECT_TRUE(TakeRedraw());
  const gfx::Font* font = fArea->GetCaptionFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->GetFamilyName(), "Sans");
  EXPECT_FLOAT_EQ(font->GetSize(), 13);
  EXPECT_EQ(font->GetUnit(), gfx::UnitPoint);
  EXPECT_EQ(font->GetStyle(), gfx::FontStyleBold | gfx::FontStyleItalic | gfx::FontStyleUnderline);
  // The stored style is what was given.
  EXPECT_EQ(fArea->GetCaptionTextStyle(), 0x10F);
  // The same again is no change.
  ASSERT_EQ(fArea->SetCaptionTextStyle(U(u"Sans"), 13, 0x10F), 0);
  EXPECT_EQ(fArea->GetCaptionFont(), font);
  EXPECT_FALSE(TakeRedraw());
}

TEST_F(ZorvinAreaLookCaptions, ALongFontNameIsCutToTheStoredLength) {
  const std::u16string name(400, u'A');
  ASSERT_EQ(fArea->SetCaptionTextStyle(U(name), 12, 0), 0);
  EXPECT_EQ(Str(fArea->GetCaptionTextFont()), name.substr(0, 255));
  // Compared as cut: the long name again is no change.
  TakeRedraw();
  ASSERT_EQ(fArea->SetCaptionTextStyle(U(name), 12, 0), 0);
  EXPECT_FALSE(TakeRedraw());
}

TEST_F(ZorvinAreaLookCaptions, TheParagraphStyleFollowsTheHorizontalAlignment) {
  ASSERT_EQ(fArea->SetCaptionAlignment(2, 0), 0);
  EXPECT_TRUE(TakeRedraw());
  const gfx::StringFormat* style = fArea->GetCaptionParagraphStyle();
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->GetAlignment(), gfx::StringAlignmentFar);
  EXPECT_EQ(style->GetTrimming(), gfx::StringTrimmingWord);
  EXPECT_TRUE(style->Wraps());
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 0), 0);
  EXPECT_EQ(fArea->GetCaptionParagraphStyle()->GetAlignment(), gfx::StringAlignmentCenter);
  TakeRedraw();
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 0), 0);
  EXPECT_FALSE(TakeRedraw());
}

TEST_F(ZorvinAreaLookCaptions, AlignmentWithoutMemoryForItsStyleSaysSoAndKeepsTheOld) {
  ASSERT_EQ(fArea->SetCaptionAlignment(1, 1), 0);
  const gfx::StringFormat* style = fArea->GetCaptionParagraphStyle();
  TakeRedraw();
  gRefuseNothrowNew = true;
  const int32_t result = fArea->SetCaptionAlignment(2, 2);
  gRefuseNothrowNew = false;
  EXPECT_EQ(result, -108);
  EXPECT_EQ(fArea->GetCaptionHorzAlignment(), 1);
  EXPECT_EQ(fArea->GetCaptionVertAlignment(), 1);
  EXPECT_EQ(fArea->GetCaptionParagraphStyle(), style);
  EXPECT_FALSE(TakeRedraw());
}

TEST_F(ZorvinAreaLookCaptions, ColoursRebuildBothBrushesOpaque) {
  TakeRedraw();
  fArea->SetCaptionTextColors(0x123456, -256);
  EXPECT_TRUE(TakeRedraw());
  EXPECT_EQ(ColorOf(fArea->GetCaptionForeBrush()), 0xFF123456u);
  // No background: a white brush that the drawing never uses.
  EXPECT_EQ(ColorOf(fArea->GetCaptionBackBrush()), 0xFFFFFFFFu);
  EXPECT_EQ(fArea->GetCaptionTextBackColor(), -256);
  fArea->SetCaptionTextColors(0x123456, -256);
  EXPECT_FALSE(TakeRedraw());
  fArea->SetCaptionTextColors(0x123456, 0x00FF00);
  EXPECT_EQ(ColorOf(fArea->GetCaptionBackBrush()), 0xFF00FF00u);
}

TEST_F(ZorvinAreaLookCaptions, AreaAndSelectionBrushesComeFromHostColours) {
  TakeRedraw();
  fArea->SetBackColor(0x0000FF);
  EXPECT_TRUE(TakeRedraw());
  EXPECT_EQ(fArea->GetBackColor(), 0x0000FF);
  EXPECT_EQ(ColorOf(fArea->GetAreaBackBrush()), 0xFF0000FFu);
  // -254 is the system highlight, as the host gives it.
  fArea->SetBackColor(-254);
  RGBColor highlight{};
  ASSERT_EQ(FourD::GetRGBColor(-254, &highlight), 0);
  EXPECT_EQ(ColorOf(fArea->GetAreaBackBrush()), FourD::GetARGBColorFromRGBColor(&highlight));

  fArea->SetupNativeSelectionColor();
  EXPECT_EQ(ColorOf(fArea->GetSelectionBrush()), 0xFFFF0000u);
  fArea->CleanupNativeSelectionColor();
  EXPECT_EQ(fArea->GetSelectionBrush(), nullptr);
}

} // namespace
