// JPEG pictures: red-blue16x8.jpg is 16 by 8 pixels, its left half red and its right half blue,
// saved at quality 95, so colours are compared with a tolerance.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "HostTestSupport.h"

namespace {

using namespace hosttest;

std::vector<char> JpegBytes() {
  std::ifstream file(std::string(ZVHOST_TEST_DATA_DIR) + "/red-blue16x8.jpg", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

FDEngineBlock MakePicture(const std::vector<char>& bytes) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = const_cast<char*>(bytes.data());
  b.fParam1 = static_cast<int32_t>(bytes.size());
  return Call(kFDCreateFDPicture, b);
}

void DisposeImage(const FDEngineBlock& made) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = made.fPtr2;
  Call(kFDDisposeNativeImage, b);
}

bool Near(uint32_t pixel, uint32_t expected) {
  for (int shift : {0, 8, 16, 24}) {
    if (std::abs(int((pixel >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > 24) {
      return false;
    }
  }
  return true;
}

TEST_F(HostTest, JpegPicturesDecodeToOpaquePixels) {
  const std::vector<char> bytes = JpegBytes();
  ASSERT_FALSE(bytes.empty());
  FDEngineBlock made = MakePicture(bytes);
  ASSERT_EQ(0, made.fError);
  FDEngineBlock native = NewBlock();
  native.fPtr1 = made.fPtr2;
  native = Call(kFDCreateNativeImage, native);
  ASSERT_EQ(0, native.fError);
  const auto* image = static_cast<FDNativeImage*>(native.fPtr2);
  ASSERT_EQ(16, image->fWidth);
  ASSERT_EQ(8, image->fHeight);
  EXPECT_TRUE(Near(image->fPixels[4 * 16 + 2], 0xFFFF0000)) << std::hex << image->fPixels[66];
  EXPECT_TRUE(Near(image->fPixels[4 * 16 + 13], 0xFF0000FF)) << std::hex << image->fPixels[77];
  DisposeImage(native);
  FDEngineBlock dispose = NewBlock();
  dispose.fPtr1 = made.fPtr2;
  Call(kFDDisposeFDPicture, dispose);

  Run(std::string("READ PICTURE FILE(\"") + ZVHOST_TEST_DATA_DIR +
      "/red-blue16x8.jpg\";$p)\nLOG($p)");
  EXPECT_EQ("[picture 16x8]", fLog.at(0));
}

TEST_F(HostTest, DamagedJpegBytesAreRefusedNotDecoded) {
  const std::vector<char> bytes = JpegBytes();
  for (size_t keep : {size_t{3}, size_t{40}, bytes.size() / 2}) {
    std::vector<char> cut(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(keep));
    FDEngineBlock made = MakePicture(cut);
    if (made.fError != 0) {
      continue; // refused at once: the header is incomplete
    }
    // A picture whose header is whole may still lack its pixels: decoding fails cleanly.
    FDEngineBlock native = NewBlock();
    native.fPtr1 = made.fPtr2;
    native = Call(kFDCreateNativeImage, native);
    if (native.fError == 0) {
      DisposeImage(native);
    }
    FDEngineBlock dispose = NewBlock();
    dispose.fPtr1 = made.fPtr2;
    Call(kFDDisposeFDPicture, dispose);
  }
}

} // namespace
