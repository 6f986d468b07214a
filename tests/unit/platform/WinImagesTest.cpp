// Encoder look-up by MIME type, and drag cursors made from PNG files.
#include <gtest/gtest.h>

#include <string>

#include "gfx/Bitmap.h"
#include "platform/win/WinImages.h"
#include "tests/ParamNames.h"

namespace {

const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

struct MimeCase {
  const char16_t* mime;
  int found;
  gfx::ImageEncoder encoder;
};

class EncoderLookup : public ::testing::TestWithParam<MimeCase> {};

TEST_P(EncoderLookup, MatchesExactly) {
  const gfx::ImageEncoder untouched = gfx::ImageEncoder(-7);
  gfx::ImageEncoder encoder = untouched;
  EXPECT_EQ(GetParam().found, GetEncoderClsid(U(GetParam().mime), &encoder));
  EXPECT_EQ(GetParam().found == 1 ? GetParam().encoder : untouched, encoder);
}

INSTANTIATE_TEST_SUITE_P(WinImages, EncoderLookup,
                         ::testing::Values(MimeCase{u"image/tiff", 1, gfx::ImageEncoder::Tiff},
                                           MimeCase{u"image/png", 1, gfx::ImageEncoder::Png},
                                           MimeCase{u"image/TIFF", 0, {}},
                                           MimeCase{u"Image/png", 0, {}},
                                           MimeCase{u"image/tif", 0, {}},
                                           MimeCase{u"image/tiff ", 0, {}},
                                           MimeCase{u"image/jpeg", 0, {}}, MimeCase{u"", 0, {}}),
                         paramnames::By([](const MimeCase& c) { return c.mime; }));

TEST(WinImages, EmptyListIsToldApartFromNotFound) {
  gfx::ImageEncoder encoder{};
  EXPECT_EQ(-1, GetEncoderClsid(U(u"image/png"), &encoder, nullptr, 0));
  EXPECT_EQ(0, GetEncoderClsid(nullptr, &encoder));
  EXPECT_EQ(0, GetEncoderClsid(U(u"image/png"), nullptr));
}

std::u16string ResourcePath(const char* name) {
  const std::string path = std::string(ZORVI_TEST_DATA_DIR) + "/../../resources/" + name;
  return std::u16string(path.begin(), path.end());
}

TEST(DragCursor, MissingFileLeavesTheSizeAllFallback) {
  DragCursor cursor{LoadStockCursor(kArrowCursor), true, 3, 4};
  EXPECT_FALSE(CreateDragCursorFromPNGResourceFile(U(u"No-such-cursor.png"), &cursor));
  EXPECT_EQ(nullptr, cursor.fCursor);
  EXPECT_EQ(0, cursor.fHotspotX);
  EXPECT_EQ(0, cursor.fHotspotY);
  EXPECT_EQ(LoadStockCursor(kSizeAllCursor), DragCursorOrSizeAll(cursor));

  // A file that is there but is no PNG gives nothing either.
  const std::string notPng = std::string(ZORVI_TEST_DATA_DIR) + "/../CMakeLists.txt";
  const std::u16string path(notPng.begin(), notPng.end());
  EXPECT_FALSE(CreateDragCursorFromPNGFile(U(path.c_str()), &cursor));
  EXPECT_EQ(LoadStockCursor(kSizeAllCursor), DragCursorOrSizeAll(cursor));
  EXPECT_FALSE(CreateDragCursorFromPNGFile(U(path.c_str()), nullptr));
}

TEST(DragCursor, PresentFileGivesACursorOfItsSizeAndPixels) {
  for (const char* name : {"Cell-single.png", "Cell-multi.png"}) {
    SCOPED_TRACE(name);
    const std::u16string path = ResourcePath(name);
    auto bitmap = gfx::Bitmap::FromFile(U(path.c_str()));
    ASSERT_EQ(gfx::Status::Ok, bitmap->GetLastStatus());

    DragCursor cursor;
    ASSERT_TRUE(CreateDragCursorFromPNGFile(U(path.c_str()), &cursor));
    ASSERT_NE(nullptr, cursor.fCursor);
    EXPECT_FALSE(cursor.fIcon);
    EXPECT_EQ(cursor.fCursor, DragCursorOrSizeAll(cursor));

    ZVCursorInfo info;
    ASSERT_EQ(1, GetCursorInfo(cursor.fCursor, &info));
    EXPECT_EQ(bitmap->GetWidth(), info.fWidth);
    EXPECT_EQ(bitmap->GetHeight(), info.fHeight);
    EXPECT_EQ(info.fWidth / 2, info.fHotX);
    EXPECT_EQ(info.fHeight / 2, info.fHotY);
    EXPECT_EQ(info.fHotX, cursor.fHotspotX);
    for (int32_t y = 0; y < info.fHeight; y += 3) {
      gfx::Color color;
      bitmap->GetPixel(y, y, &color);
      EXPECT_EQ(color.GetValue(), GetCursorPixel(cursor.fCursor, y, y)) << y;
    }
    EXPECT_EQ(1, DestroyCursor(cursor.fCursor));
  }
}

} // namespace
