// The plug-in's own picture decoding: when a camera's embedded preview serves and when the photo
// itself must be decoded, and damaged EXIF blocks that must neither crash nor mislead it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/PictureDecoder.h"
#include "tests/photos/TestPhotos.h"

namespace {

constexpr uint32_t kMark = 0xE01010; // the preview's colour: far from anything in the scene

std::vector<uint8_t> Photo(int32_t width, int32_t height, const testphotos::Thumbnail& thumbnail) {
  const std::string path =
      ::testing::TempDir() + "decoder_photo_" + std::to_string(getpid()) + ".jpg";
  EXPECT_TRUE(testphotos::WritePhoto(path, width, height, 7, thumbnail));
  std::ifstream file(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  return bytes;
}

bool IsMark(uint32_t pixel) {
  const int r = int((pixel >> 16) & 0xFF);
  const int g = int((pixel >> 8) & 0xFF);
  const int b = int(pixel & 0xFF);
  return r > 0xC0 && g < 0x40 && b < 0x40;
}

// How the decoder answered a request, and from which source.
struct Outcome {
  gfx::DecodeResult result;
  int32_t width;
  int32_t height;
  bool fromThumbnail;
  bool centreIsMark;
};

Outcome Decode(const std::vector<uint8_t>& bytes, int32_t width, int32_t height) {
  gfx::DecodedPicture picture;
  const gfx::DecodeResult result =
      gfx::DecodePictureForSize(bytes.data(), bytes.size(), width, height, &picture);
  const bool mark =
      result == gfx::DecodeResult::Ok &&
      IsMark(picture.GetPixels()[size_t(picture.fHeight / 2) * size_t(picture.fWidth) +
                                 size_t(picture.fWidth / 2)]);
  return Outcome{result, picture.fWidth, picture.fHeight, picture.fFromThumbnail, mark};
}

TEST(PictureDecoder, APreviewServesOnlySizesItCovers) {
  const std::vector<uint8_t> photo = Photo(1600, 1200, {160, 120, kMark});
  int32_t width = 0;
  int32_t height = 0;
  ASSERT_TRUE(gfx::FindEmbeddedThumbnail(photo.data(), photo.size(), &width, &height));
  EXPECT_EQ(width, 160);
  EXPECT_EQ(height, 120);

  struct Row {
    int32_t width, height;
    bool fromThumbnail;
    int32_t gotWidth, gotHeight;
  };
  const Row rows[] = {
      {160, 120, true, 160, 120},      // exactly the preview
      {140, 105, true, 140, 105},      // reduced from it
      {40, 30, true, 40, 30},          // far smaller
      {161, 120, false, 161, 120},     // one pixel wider than it: the photo
      {200, 150, false, 200, 150},     // a cell larger than the preview
      {4000, 3000, false, 1600, 1200}, // never enlarged
  };
  for (const Row& row : rows) {
    const Outcome got = Decode(photo, row.width, row.height);
    ASSERT_EQ(got.result, gfx::DecodeResult::Ok) << row.width << " x " << row.height;
    EXPECT_EQ(got.fromThumbnail, row.fromThumbnail) << row.width << " x " << row.height;
    EXPECT_EQ(got.centreIsMark, row.fromThumbnail) << row.width << " x " << row.height;
    EXPECT_EQ(got.width, row.gotWidth);
    EXPECT_EQ(got.height, row.gotHeight);
  }
}

TEST(PictureDecoder, PreviewsOfOtherProportionsOrNoneFallBackOnThePhoto) {
  // A 4:3 preview of a 16:9 photo carries bars: drawing it would show them.
  const std::vector<uint8_t> wide = Photo(1920, 1080, {160, 120, kMark});
  int32_t width = 0;
  int32_t height = 0;
  EXPECT_FALSE(gfx::FindEmbeddedThumbnail(wide.data(), wide.size(), &width, &height));
  EXPECT_FALSE(Decode(wide, 96, 54).fromThumbnail);

  const std::vector<uint8_t> plain = Photo(800, 600, {});
  EXPECT_FALSE(gfx::FindEmbeddedThumbnail(plain.data(), plain.size(), &width, &height));
  const Outcome got = Decode(plain, 80, 60);
  EXPECT_EQ(got.result, gfx::DecodeResult::Ok);
  EXPECT_FALSE(got.fromThumbnail);

  const uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  gfx::DecodedPicture picture;
  EXPECT_FALSE(gfx::CanDecodePicture(png, sizeof png));
  EXPECT_EQ(gfx::DecodePictureForSize(png, sizeof png, 10, 10, &picture),
            gfx::DecodeResult::NotSupported);
}

// Every byte of the header and EXIF block damaged in turn, and the file cut short at every length
// through them: the decoder answers (from the photo, the preview or not at all) and never reads
// outside what it was given (the sanitizer build checks that).
TEST(PictureDecoder, DamagedExifBlocksNeverCrashIt) {
  const std::vector<uint8_t> photo = Photo(320, 240, {160, 120, kMark});
  const size_t header = std::min<size_t>(photo.size(), 400);
  for (size_t at = 2; at < header; ++at) {
    for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t(photo[at] ^ 0x80)}) {
      std::vector<uint8_t> damaged = photo;
      damaged[at] = value;
      gfx::DecodedPicture picture;
      const gfx::DecodeResult result =
          gfx::DecodePictureForSize(damaged.data(), damaged.size(), 100, 75, &picture);
      if (result == gfx::DecodeResult::Ok) {
        EXPECT_LE(picture.fWidth, 100);
        EXPECT_LE(picture.fHeight, 75);
      }
    }
  }
  for (size_t length = 0; length < header; length += 3) {
    std::vector<uint8_t> cut(photo.begin(), photo.begin() + std::ptrdiff_t(length));
    gfx::DecodedPicture picture;
    int32_t width = 0;
    int32_t height = 0;
    gfx::DecodePictureForSize(cut.data(), cut.size(), 100, 75, &picture);
    gfx::FindEmbeddedThumbnail(cut.data(), cut.size(), &width, &height);
  }
}

} // namespace
