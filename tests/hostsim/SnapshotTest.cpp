// SNAPSHOT: the window's surface with its shown scroll bars drawn over it, as PNG.
#include <png.h>
#include <unistd.h>

#include <cstdio>

#include "HostTestSupport.h"

namespace {

using namespace hosttest;

class Snapshot : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fPath = ::testing::TempDir() + "zvhost_snapshot_" + std::to_string(getpid()) + ".png";
    Run("gW:=Open window(0;0;100;120)");
    fWindow = zvhost::HostWindow(1);
    const Rect r{0, 80, 116, 96}; // vertical, at the window's right
    fBar = NewControl(fWindow, &r, nullptr, 1, 0, 0, 81, kScrollBarProc, 0);
    SetControlViewSize(fBar, 20);
  }
  void TearDown() override {
    std::remove(fPath.c_str());
    HostTest::TearDown();
  }
  // The snapshot's pixels as 0xRRGGBB.
  std::vector<uint32_t> Take() {
    Run("SNAPSHOT(gW;\"" + fPath + "\")");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_file(&image, fPath.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(100u, image.width);
    EXPECT_EQ(120u, image.height);
    std::vector<uint32_t> pixels(rgb.size() / 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = (uint32_t{rgb[i * 3]} << 16) | (uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
    }
    return pixels;
  }
  static uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) {
    return pixels.at(static_cast<size_t>(y) * 100 + static_cast<size_t>(x));
  }

  std::string fPath;
  void* fWindow = nullptr;
  ControlHandle fBar = nullptr;
};

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kButton = 0xDCDCDC;
constexpr uint32_t kTrack = 0xF0F0F0;
constexpr uint32_t kThumb = 0xC0C0C0;
constexpr uint32_t kArrow = 0x505050;
constexpr uint32_t kGreyedArrow = 0xB0B0B0;

TEST_F(Snapshot, ShownBarsAreDrawnOverTheSurfaceWithoutTouchingIt) {
  std::vector<uint32_t> pixels = Take();
  EXPECT_EQ(kWhite, At(pixels, 10, 10));
  EXPECT_EQ(kButton, At(pixels, 81, 1));
  EXPECT_EQ(kArrow, At(pixels, 88, 6)); // the up arrow's tip
  EXPECT_EQ(kThumb, At(pixels, 88, 24));
  EXPECT_EQ(kTrack, At(pixels, 88, 60));
  EXPECT_EQ(kButton, At(pixels, 81, 110));
  EXPECT_EQ(kWhite, At(pixels, 88, 118)); // below the bar
  EXPECT_EQ(0xFFFFFFFFu, GetDC(fWindow)->fPixels[24 * 100 + 88]);

  HiliteControl(fBar, 255); // greyed: pale arrows, no thumb
  pixels = Take();
  EXPECT_EQ(kGreyedArrow, At(pixels, 88, 6));
  EXPECT_EQ(kTrack, At(pixels, 88, 24));

  HideControl(fBar);
  EXPECT_EQ(kWhite, At(Take(), 88, 24));
}

TEST_F(Snapshot, Draw1ControlDrawsIntoTheWindowsSurface) {
  Draw1Control(fBar);
  EXPECT_EQ(0xFF000000u | kThumb, GetDC(fWindow)->fPixels[24 * 100 + 88]);
  SetControl32BitValue(fBar, 81); // the thumb moves to the track's end
  EXPECT_EQ(kThumb, At(Take(), 88, 90));
  EXPECT_EQ(kTrack, At(Take(), 88, 24));
}

TEST_F(Snapshot, AnUnknownWindowOrUnwritablePathIsAScriptError) {
  for (const std::string& code :
       {"SNAPSHOT(99;\"" + fPath + "\")", std::string("SNAPSHOT(gW;\"/no/such/folder/x.png\")"),
        std::string("SNAPSHOT(gW;\"\")"), std::string("SNAPSHOT(gW)")}) {
    std::string message;
    EXPECT_NE(0, zvhost::RunCode(code, &message)) << code;
    EXPECT_FALSE(message.empty()) << code;
  }
}

} // namespace
