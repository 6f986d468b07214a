// JPEG pictures: red-blue16x8.jpg is 16 by 8 pixels, its left half red and its right half blue,
// saved at quality 95, so colours are compared with a tolerance.
#include <algorithm>
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

// Reduced images: a JPEG decoded at a fraction of its size, reduced on each axis to at most the
// size asked, never enlarged; asked again, the same pixels; an older host lacks the operation.
TEST_F(HostTest, JpegPicturesDecodeNoLargerThanTheSizeAsked) {
  const std::vector<char> bytes = JpegBytes();
  FDEngineBlock made = MakePicture(bytes);
  ASSERT_EQ(0, made.fError);
  const auto sized = [&made](int32_t width, int32_t height) {
    FDEngineBlock b = NewBlock();
    b.fPtr1 = made.fPtr2;
    b.fParam1 = width;
    b.fParam2 = height;
    return Call(kFDCreateNativeImageForSize, b);
  };
  struct Case {
    int32_t askWidth, askHeight, width, height;
  };
  for (const Case& c :
       {Case{2, 1, 2, 1}, Case{4, 8, 4, 8}, Case{8, 2, 8, 2}, Case{100, 3, 16, 3}}) {
    for (int again = 0; again < 2; ++again) {
      FDEngineBlock native = sized(c.askWidth, c.askHeight);
      ASSERT_EQ(0, native.fError);
      const auto* image = static_cast<FDNativeImage*>(native.fPtr2);
      EXPECT_EQ(c.width, image->fWidth) << c.askWidth << " x " << c.askHeight;
      EXPECT_EQ(c.height, image->fHeight) << c.askWidth << " x " << c.askHeight;
      EXPECT_EQ(c.width * 4, image->fRowBytes);
      const uint32_t* lastRow = image->fPixels + size_t(c.height - 1) * size_t(c.width);
      EXPECT_TRUE(Near(lastRow[0], 0xFFFF0000)) << std::hex << lastRow[0];
      EXPECT_TRUE(Near(lastRow[c.width - 1], 0xFF0000FF)) << std::hex << lastRow[c.width - 1];
      DisposeImage(native);
    }
  }
  EXPECT_EQ(kFDErrBadParameter, sized(0, 4).fError);
  EXPECT_EQ(kFDErrBadParameter, sized(4, -1).fError);

  zvhost::ResetHost(zvhost::ProgramMode::SingleUser, 0x1300);
  made = MakePicture(bytes);
  EXPECT_EQ(kFDErrUnknownCommand, sized(2, 1).fError);
  FDEngineBlock dispose = NewBlock();
  dispose.fPtr1 = made.fPtr2;
  Call(kFDDisposeFDPicture, dispose);
}

// A picture's encoded bytes: the count first, then the bytes into room the caller made; room
// too small copies nothing; an older host lacks the operation.
TEST_F(HostTest, APicturesEncodedBytesAreHandedOver) {
  const std::vector<char> bytes = JpegBytes();
  FDEngineBlock made = MakePicture(bytes);
  ASSERT_EQ(0, made.fError);
  const auto get = [&made](void* room, int32_t size) {
    FDEngineBlock b = NewBlock();
    b.fPtr1 = made.fPtr2;
    b.fPtr2 = room;
    b.fParam1 = size;
    return Call(kFDGetPictureBytes, b);
  };
  FDEngineBlock count = get(nullptr, 0);
  ASSERT_EQ(0, count.fError);
  ASSERT_EQ(int32_t(bytes.size()), count.fParam1);
  std::vector<char> copy(bytes.size() + 1, 'x');
  EXPECT_EQ(int32_t(bytes.size()), get(copy.data(), int32_t(copy.size())).fParam1);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), copy.begin()));
  EXPECT_EQ('x', copy.back());
  std::vector<char> small(bytes.size() - 1, 'x');
  EXPECT_EQ(0, get(small.data(), int32_t(small.size())).fError);
  EXPECT_EQ(std::vector<char>(small.size(), 'x'), small);
  EXPECT_EQ(kFDErrBadParameter, get(copy.data(), -1).fError);
  FDEngineBlock forged = NewBlock();
  forged.fPtr1 = copy.data();
  EXPECT_EQ(kFDErrBadParameter, Call(kFDGetPictureBytes, forged).fError);

  zvhost::ResetHost(zvhost::ProgramMode::SingleUser, 0x1300);
  made = MakePicture(bytes);
  EXPECT_EQ(kFDErrUnknownCommand, get(nullptr, 0).fError);
  FDEngineBlock dispose = NewBlock();
  dispose.fPtr1 = made.fPtr2;
  Call(kFDDisposeFDPicture, dispose);
}

TEST_F(HostTest, OtherFormatsAreDecodedThenAveragedDown) {
  std::ifstream file(std::string(ZVHOST_TEST_DATA_DIR) + "/rgb3x2.png", std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
  FDEngineBlock made = MakePicture(bytes);
  ASSERT_EQ(0, made.fError);
  FDEngineBlock b = NewBlock();
  b.fPtr1 = made.fPtr2;
  b.fParam1 = 3;
  b.fParam2 = 1;
  FDEngineBlock native = Call(kFDCreateNativeImageForSize, b);
  ASSERT_EQ(0, native.fError);
  const auto* image = static_cast<FDNativeImage*>(native.fPtr2);
  ASSERT_EQ(3, image->fWidth);
  ASSERT_EQ(1, image->fHeight);
  // Each column is the mean of its two pixels: red over white, green over black.
  EXPECT_TRUE(Near(image->fPixels[0], 0xFFFF8080)) << std::hex << image->fPixels[0];
  EXPECT_TRUE(Near(image->fPixels[1], 0xFF008000)) << std::hex << image->fPixels[1];
  DisposeImage(native);
  FDEngineBlock dispose = NewBlock();
  dispose.fPtr1 = made.fPtr2;
  Call(kFDDisposeFDPicture, dispose);
}

} // namespace
