// The window system's colours and cursors as the emulator offers them to plug-ins.
#include <gtest/gtest.h>

#include <vector>

#include "sdk/HostPlatform.h"
#include "tests/ParamNames.h"

namespace {

struct SysColorCase {
  int index;
  uint32_t bgr;
};

class SystemColor : public ::testing::TestWithParam<SysColorCase> {};

TEST_P(SystemColor, IsTheDefaultThemeInBlueGreenRedOrder) {
  EXPECT_EQ(GetParam().bgr, GetSysColor(GetParam().index));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, SystemColor,
    ::testing::Values(SysColorCase{COLOR_HIGHLIGHT, 0xD77800},
                      SysColorCase{COLOR_BTNFACE, 0xF0F0F0}, SysColorCase{COLOR_3DSHADOW, 0xA0A0A0},
                      SysColorCase{COLOR_3DLIGHT, 0xE3E3E3},
                      SysColorCase{COLOR_MENUHILIGHT, 0xD77800},
                      SysColorCase{COLOR_WINDOW, 0xFFFFFF}, SysColorCase{COLOR_INFOBK, 0xE1FFFF},
                      SysColorCase{COLOR_HOTLIGHT, 0xCC6600}, SysColorCase{COLOR_MENUBAR, 0xF0F0F0},
                      SysColorCase{25, 0}, SysColorCase{31, 0}, SysColorCase{-1, 0},
                      SysColorCase{1 << 30, 0}),
    paramnames::By([](const SysColorCase& c) { return "index " + std::to_string(c.index); }));

struct BadCursorCase {
  int32_t width;
  int32_t height;
  int32_t hotX;
  int32_t hotY;
  bool pixels;
};

class BadCursor : public ::testing::TestWithParam<BadCursorCase> {};

TEST_P(BadCursor, IsRefused) {
  const std::vector<uint32_t> pixels(300 * 300, 0xFF000000);
  const BadCursorCase& c = GetParam();
  EXPECT_EQ(nullptr, CreateCursorFromPixels(c.width, c.height, c.pixels ? pixels.data() : nullptr,
                                            c.hotX, c.hotY));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, BadCursor,
    ::testing::Values(BadCursorCase{0, 8, 0, 0, true}, BadCursorCase{8, -1, 0, 0, true},
                      BadCursorCase{257, 8, 0, 0, true}, BadCursorCase{8, 8, 8, 0, true},
                      BadCursorCase{8, 8, 0, -1, true}, BadCursorCase{8, 8, 0, 0, false}),
    paramnames::By([](const BadCursorCase& c) {
      return std::to_string(c.width) + "x" + std::to_string(c.height) + " hot " +
             std::to_string(c.hotX) + " " + std::to_string(c.hotY) + (c.pixels ? "" : " no pixels");
    }));

class Cursors : public ::testing::Test {
protected:
  void TearDown() override { SetCursor(LoadStockCursor(kArrowCursor)); }
};

TEST_F(Cursors, DestroyingTheShownCursorShowsTheArrow) {
  const uint32_t pixels[] = {1, 2, 3, 4, 5, 6};
  ZVCursor* cursor = CreateCursorFromPixels(3, 2, pixels, 2, 1);
  ASSERT_NE(nullptr, cursor);
  EXPECT_EQ(4u, GetCursorPixel(cursor, 0, 1));
  EXPECT_EQ(0u, GetCursorPixel(cursor, 3, 0));
  EXPECT_EQ(LoadStockCursor(kArrowCursor), SetCursor(cursor));
  EXPECT_EQ(cursor, GetCursor());
  EXPECT_EQ(1, DestroyCursor(cursor));
  EXPECT_EQ(LoadStockCursor(kArrowCursor), GetCursor());
  // Gone now: a second destroy and every other use are refused.
  EXPECT_EQ(0, DestroyCursor(cursor));
  EXPECT_EQ(nullptr, SetCursor(cursor));
  EXPECT_EQ(LoadStockCursor(kArrowCursor), GetCursor());
}

TEST_F(Cursors, ForeignOrStockCursorsAreRefused) {
  auto* forged = reinterpret_cast<ZVCursor*>(uintptr_t(0x1000));
  ZVCursorInfo info{1, 1, 1, 1, 1};
  EXPECT_EQ(0, GetCursorInfo(forged, &info));
  EXPECT_EQ(0, info.fWidth);
  EXPECT_EQ(0, GetCursorInfo(nullptr, &info));
  EXPECT_EQ(0, GetCursorInfo(LoadStockCursor(kArrowCursor), nullptr));
  EXPECT_EQ(0u, GetCursorPixel(forged, 0, 0));
  EXPECT_EQ(nullptr, SetCursor(forged));
  EXPECT_EQ(nullptr, SetCursor(nullptr));
  EXPECT_EQ(0, DestroyCursor(forged));
  EXPECT_EQ(0, DestroyCursor(LoadStockCursor(kSizeAllCursor)));
  EXPECT_NE(nullptr, LoadStockCursor(kSizeAllCursor));
}

} // namespace
