// The cached system-colour brushes: one object per colour for the process, in the right colour.
#include <gtest/gtest.h>

#include "platform/win/WinColors.h"
#include "sdk/HostPlatform.h"

namespace {

struct BrushCase {
  const char* name;
  gfx::Brush* (*get)();
  gfx::Color color;
};

gfx::Color ColorOf(const gfx::Brush* brush) {
  const auto* solid = dynamic_cast<const gfx::SolidBrush*>(brush);
  return solid != nullptr ? solid->GetColor() : gfx::Color(0u);
}

class CachedBrush : public ::testing::TestWithParam<BrushCase> {};

TEST_P(CachedBrush, IsMadeOnceInItsColour) {
  gfx::Brush* first = GetParam().get();
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, GetParam().get());
  EXPECT_EQ(gfx::Status::Ok, first->GetLastStatus());
  EXPECT_EQ(GetParam().color.GetValue(), ColorOf(first).GetValue());
}

// The default theme's colours, so a swapped red and blue shows.
INSTANTIATE_TEST_SUITE_P(
    WinColors, CachedBrush,
    ::testing::Values(BrushCase{"White", WinColors::GetWhiteBrush, gfx::Color(255, 255, 255)},
                      BrushCase{"BtnFace", WinColors::GetBtnFaceBrush, gfx::Color(240, 240, 240)},
                      BrushCase{"Highlight", WinColors::GetHighlightBrush, gfx::Color(0, 120, 215)},
                      BrushCase{"Face3D", WinColors::Get3DFaceBrush, gfx::Color(240, 240, 240)},
                      BrushCase{"Shadow3D", WinColors::Get3DShadowBrush, gfx::Color(160, 160, 160)},
                      BrushCase{"Light3D", WinColors::Get3DLightBrush, gfx::Color(227, 227, 227)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WinColors, SysColorBrushSplitsTheBytesRedFirst) {
  for (int index : {int(COLOR_HIGHLIGHT), int(COLOR_INFOBK), int(COLOR_HOTLIGHT), 25, -1, 99}) {
    SCOPED_TRACE(index);
    const uint32_t bgr = GetSysColor(index);
    gfx::SolidBrush* brush = WinColors::CreateSysColorBrush(index);
    ASSERT_NE(nullptr, brush);
    const gfx::Color color = brush->GetColor();
    EXPECT_EQ(255, color.GetA());
    EXPECT_EQ(bgr & 0xFF, color.GetR());
    EXPECT_EQ(bgr >> 8 & 0xFF, color.GetG());
    EXPECT_EQ(bgr >> 16 & 0xFF, color.GetB());
    delete brush;
  }
}

} // namespace
