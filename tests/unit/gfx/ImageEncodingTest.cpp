#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tiffio.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/unit/gfx/GfxTestSupport.h"

using namespace gfx;
using namespace gfxtest;

namespace {

// A picture with opaque, half-transparent and fully transparent parts.
void Paint(Graphics& graphics) {
  SolidBrush red(kRed), halfBlue(Color(128, 0, 0, 255)), green(kGreen);
  graphics.FillRectangle(&red, 0, 0, 10, 6);
  graphics.FillRectangle(&halfBlue, 5, 3, 10, 6);
  graphics.FillRectangle(&green, 0, 8, 3, 1);
}

void ExpectSamePixels(Bitmap& expected, Bitmap& actual, int tolerance) {
  ASSERT_EQ(actual.GetWidth(), expected.GetWidth());
  ASSERT_EQ(actual.GetHeight(), expected.GetHeight());
  for (int y = 0; y < expected.GetHeight(); ++y) {
    for (int x = 0; x < expected.GetWidth(); ++x) {
      Color a, b;
      expected.GetPixel(x, y, &a);
      actual.GetPixel(x, y, &b);
      ASSERT_NEAR(a.GetA(), b.GetA(), tolerance) << x << "," << y;
      if (a.GetA() == 0) {
        continue; // no colour to compare
      }
      ASSERT_NEAR(a.GetR(), b.GetR(), tolerance) << x << "," << y;
      ASSERT_NEAR(a.GetG(), b.GetG(), tolerance) << x << "," << y;
      ASSERT_NEAR(a.GetB(), b.GetB(), tolerance) << x << "," << y;
    }
  }
}

// Decodes TIFF bytes with libtiff, through a file. Its RGBA reader premultiplies, as bitmaps store.
std::unique_ptr<Bitmap> DecodeTiff(const std::vector<uint8_t>& bytes, uint16_t* samples) {
  char path[] = "/tmp/gfx_tiff_XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) {
    return nullptr;
  }
  bool written = write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
  close(fd);
  TIFF* tiff = written ? TIFFOpen(path, "r") : nullptr;
  unlink(path);
  if (!tiff) {
    return nullptr;
  }
  uint32_t width = 0, height = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
  std::vector<uint32_t> raster(size_t(width) * height);
  bool ok = TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 0);
  TIFFClose(tiff);
  if (!ok) {
    return nullptr;
  }
  auto bitmap = std::make_unique<Bitmap>(int(width), int(height));
  BitmapData data;
  bitmap->LockBits(nullptr, ImageLockModeWrite, PixelFormat32bppPARGB, &data);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      uint32_t p = raster[y * width + x];
      uint32_t argb = TIFFGetA(p) << 24 | TIFFGetR(p) << 16 | TIFFGetG(p) << 8 | TIFFGetB(p);
      memcpy(data.Scan0 + y * data.Stride + x * 4, &argb, 4);
    }
  }
  bitmap->UnlockBits(&data);
  return bitmap;
}

TEST(ImageEncoding, PngRoundTripKeepsThePixels) {
  Canvas canvas(16, 10);
  Paint(canvas.graphics);
  canvas.graphics.Flush();
  std::vector<uint8_t> bytes;
  ASSERT_EQ(canvas.bitmap.Save(ImageEncoder::Png, &bytes), Status::Ok);
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(bytes[1], 'P');
  auto decoded = Bitmap::FromPngBytes(bytes.data(), bytes.size());
  ASSERT_EQ(decoded->GetLastStatus(), Status::Ok);
  ExpectSamePixels(canvas.bitmap, *decoded, 1);
}

TEST(ImageEncoding, TiffRoundTripKeepsThePixelsWithStraightAlpha) {
  Canvas canvas(16, 10);
  Paint(canvas.graphics);
  canvas.graphics.Flush();
  std::vector<uint8_t> bytes;
  ASSERT_EQ(canvas.bitmap.Save(ImageEncoder::Tiff, &bytes), Status::Ok);
  uint16_t samples = 0;
  auto decoded = DecodeTiff(bytes, &samples);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(samples, 4);
  ExpectSamePixels(canvas.bitmap, *decoded, 1);
}

// A captured cell: a zeroed buffer wrapped as opaque pixels, drawn into, encoded.
TEST(ImageEncoding, OpaqueBitmapEncodesAsRgbTiff) {
  std::vector<uint8_t> buffer(7 * 4 * 5, 0);
  Bitmap bitmap(7, 5, 7 * 4, PixelFormat32bppRGB, buffer.data());
  {
    Graphics graphics(&bitmap);
    SolidBrush red(kRed);
    graphics.FillRectangle(&red, 2, 1, 3, 3);
  }
  std::vector<uint8_t> bytes;
  ASSERT_EQ(EncodeImage(bitmap, ImageEncoder::Tiff, &bytes), Status::Ok);
  uint16_t samples = 0;
  auto decoded = DecodeTiff(bytes, &samples);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(samples, 3);
  ExpectSamePixels(bitmap, *decoded, 0);
  Color corner;
  decoded->GetPixel(0, 0, &corner);
  EXPECT_EQ(corner, kBlack);
}

TEST(ImageEncoding, FailedBitmapEncodesNothing) {
  Bitmap failed(-1, 5);
  std::vector<uint8_t> bytes(3, 1);
  EXPECT_EQ(failed.Save(ImageEncoder::Tiff, &bytes), Status::WrongState);
  EXPECT_TRUE(bytes.empty());
  Bitmap fine(1, 1);
  EXPECT_EQ(fine.Save(ImageEncoder::Png, nullptr), Status::InvalidParameter);
}

struct MimeCase {
  const char* mimeType;
  bool found;
  ImageEncoder encoder;
};

TEST(ImageEncoding, EncodersAreFoundByExactMimeType) {
  const MimeCase cases[] = {
      {"image/tiff", true, ImageEncoder::Tiff},
      {"image/png", true, ImageEncoder::Png},
      {"image/TIFF", false, {}},
      {"Image/png", false, {}},
      {"image/tif", false, {}},
      {"image/tiff ", false, {}},
      {"", false, {}},
  };
  for (const MimeCase& c : cases) {
    ImageEncoder encoder = ImageEncoder::Png;
    EXPECT_EQ(FindImageEncoder(c.mimeType, &encoder), c.found) << c.mimeType;
    if (c.found) {
      EXPECT_EQ(encoder, c.encoder) << c.mimeType;
    }
  }
  const uint16_t tiff16[] = {'i', 'm', 'a', 'g', 'e', '/', 't', 'i', 'f', 'f', 0};
  ImageEncoder encoder = ImageEncoder::Png;
  EXPECT_TRUE(FindImageEncoder(tiff16, &encoder));
  EXPECT_EQ(encoder, ImageEncoder::Tiff);
  EXPECT_FALSE(FindImageEncoder(static_cast<const char*>(nullptr), &encoder));
}

TEST(ImageEncoding, PngWrittenToAFileLoadsBack) {
  Canvas canvas(5, 4);
  Paint(canvas.graphics);
  canvas.graphics.Flush();
  std::vector<uint8_t> bytes;
  ASSERT_EQ(canvas.bitmap.Save(ImageEncoder::Png, &bytes), Status::Ok);
  std::string path = testing::TempDir() + "gfx_roundtrip.png";
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_TRUE(file);
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
  auto loaded = Bitmap::FromFile(path.c_str());
  remove(path.c_str());
  ASSERT_EQ(loaded->GetLastStatus(), Status::Ok);
  ExpectSamePixels(canvas.bitmap, *loaded, 1);
}

} // namespace
