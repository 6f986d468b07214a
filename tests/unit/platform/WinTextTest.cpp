// Caption text objects and the height of wrapped text.
#include <gtest/gtest.h>

#include <memory>

#include "platform/win/WinText.h"

namespace {

const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

constexpr char16_t kSentence[] = u"The quick brown fox jumps over the lazy dog again and again";

class WinTextMeasure : public ::testing::Test {
protected:
  gfx::Bitmap fBitmap{200, 200};
  gfx::Graphics fGraphics{&fBitmap};
  WinText fText{U(u"Sans"), 12, 0};
};

TEST(WinText, BuildsPointFontEllipsisFormatAndBlackBrush) {
  WinText text(U(u"Sans"), 14, 12345);
  ASSERT_NE(nullptr, text.fFont);
  EXPECT_EQ(gfx::Status::Ok, text.fFont->GetLastStatus());
  EXPECT_EQ("Sans", text.fFont->GetFamilyName());
  EXPECT_EQ(14.0f, text.fFont->GetSize());
  EXPECT_EQ(gfx::UnitPoint, text.fFont->GetUnit());
  EXPECT_EQ(gfx::FontStyleRegular, text.fFont->GetStyle());

  ASSERT_NE(nullptr, text.fFormat);
  EXPECT_EQ(gfx::StringTrimmingEllipsisCharacter, text.fFormat->GetTrimming());
  EXPECT_EQ(gfx::StringFormat::GenericTypographic()->GetFormatFlags(),
            text.fFormat->GetFormatFlags());
  // The shared typographic format must not be changed through the copy.
  EXPECT_NE(gfx::StringTrimmingEllipsisCharacter,
            gfx::StringFormat::GenericTypographic()->GetTrimming());

  const auto* brush = dynamic_cast<const gfx::SolidBrush*>(text.fBrush.get());
  ASSERT_NE(nullptr, brush);
  EXPECT_EQ(gfx::Color(0, 0, 0), brush->GetColor());
}

TEST(WinText, WithoutFamilyHasNoFontButStillDeletes) {
  auto text = std::make_unique<WinText>(nullptr, 12, 0);
  EXPECT_EQ(nullptr, text->fFont);
  EXPECT_NE(nullptr, text->fFormat);
}

TEST_F(WinTextMeasure, NarrowerWidthWrapsTaller) {
  const float wide = WinText::MeasureTextHeight(&fGraphics, U(kSentence), fText.fFont.get(),
                                                fText.fFormat.get(), 2000);
  const float medium = WinText::MeasureTextHeight(&fGraphics, U(kSentence), fText.fFont.get(),
                                                  fText.fFormat.get(), 150);
  const float narrow = WinText::MeasureTextHeight(&fGraphics, U(kSentence), fText.fFont.get(),
                                                  fText.fFormat.get(), 60);
  EXPECT_GT(wide, 0);
  EXPECT_GT(medium, wide);
  EXPECT_GT(narrow, medium);
}

TEST_F(WinTextMeasure, MissingPartsMeasureNothing) {
  EXPECT_EQ(0, WinText::MeasureTextHeight(nullptr, U(u"a"), fText.fFont.get(), nullptr, 100));
  EXPECT_EQ(0, WinText::MeasureTextHeight(&fGraphics, nullptr, fText.fFont.get(), nullptr, 100));
  EXPECT_EQ(0, WinText::MeasureTextHeight(&fGraphics, U(u"a"), nullptr, nullptr, 100));
}

} // namespace
