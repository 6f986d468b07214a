// What GDI+'s encoders write, read back with GDI+'s decoders: the TIFF of a captured cell keeps
// its alpha, an opaque bitmap stays opaque, and the PNG decoder takes back what the encoder wrote.
#include <vector>

#include "gfx/gdiplus/GdiplusNatives.h"
#include "tests/unit/gfx/GfxTestSupport.h"

#include <shlwapi.h>

using namespace gfxtest;

namespace {

// The encoded bytes decoded by GDI+ itself, as straight ARGB per pixel.
std::vector<uint32_t> DecodeWithGdiplus(const std::vector<uint8_t>& bytes, int* width, int* height,
                                        bool* hasAlpha) {
  std::vector<uint32_t> pixels;
  IStream* stream = SHCreateMemStream(bytes.data(), UINT(bytes.size()));
  if (!stream) {
    return pixels;
  }
  {
    Gdiplus::Bitmap decoded(stream);
    if (decoded.GetLastStatus() == Gdiplus::Ok) {
      *width = int(decoded.GetWidth());
      *height = int(decoded.GetHeight());
      *hasAlpha = Gdiplus::IsAlphaPixelFormat(decoded.GetPixelFormat());
      for (int y = 0; y < *height; ++y) {
        for (int x = 0; x < *width; ++x) {
          Gdiplus::Color color;
          decoded.GetPixel(x, y, &color);
          pixels.push_back(color.GetValue());
        }
      }
    }
  }
  stream->Release();
  return pixels;
}

struct Decoded {
  std::vector<uint32_t> fPixels;
  int fWidth = 0;
  int fHeight = 0;
  bool fHasAlpha = false;
  uint32_t At(int x, int y) const { return fPixels[size_t(y) * size_t(fWidth) + size_t(x)]; }
};

Decoded EncodeAndDecode(gfx::Bitmap& bitmap, gfx::ImageEncoder encoder) {
  std::vector<uint8_t> bytes;
  EXPECT_EQ(bitmap.Save(encoder, &bytes), gfx::Status::Ok);
  Decoded decoded;
  decoded.fPixels = DecodeWithGdiplus(bytes, &decoded.fWidth, &decoded.fHeight, &decoded.fHasAlpha);
  EXPECT_EQ(decoded.fPixels.size(), size_t(bitmap.GetWidth()) * size_t(bitmap.GetHeight()));
  return decoded;
}

} // namespace

TEST(GdiplusCodecs, TiffAndPngKeepPixelsAndStraightAlpha) {
  for (gfx::ImageEncoder encoder : {gfx::ImageEncoder::Tiff, gfx::ImageEncoder::Png}) {
    Canvas canvas(16, 10);
    gfx::SolidBrush red(kRed), halfBlue(gfx::Color(128, 0, 0, 255));
    canvas.graphics.FillRectangle(&red, 0, 0, 8, 10);
    canvas.graphics.FillRectangle(&halfBlue, 8, 0, 4, 10);
    canvas.graphics.Flush();
    Decoded decoded = EncodeAndDecode(canvas.bitmap, encoder);
    ASSERT_EQ(decoded.fWidth, 16);
    ASSERT_EQ(decoded.fHeight, 10);
    EXPECT_TRUE(decoded.fHasAlpha);
    EXPECT_EQ(decoded.At(2, 5), 0xFFFF0000u);
    const uint32_t half = decoded.At(9, 5);
    EXPECT_NEAR(int(half >> 24), 128, 1);
    EXPECT_NEAR(int(half & 0xFF), 255, 2); // straight, not premultiplied
    EXPECT_EQ(decoded.At(14, 5) >> 24, 0u);
  }
}

TEST(GdiplusCodecs, AnOpaqueBitmapIsWrittenOpaque) {
  gfx::Bitmap opaque(6, 4, gfx::PixelFormat32bppRGB);
  ASSERT_EQ(opaque.SetPixel(1, 1, gfx::Color(10, 20, 30)), gfx::Status::Ok);
  Decoded decoded = EncodeAndDecode(opaque, gfx::ImageEncoder::Tiff);
  ASSERT_EQ(decoded.fWidth, 6);
  EXPECT_EQ(decoded.At(1, 1), 0xFF0A141Eu);
  EXPECT_EQ(decoded.At(0, 0) >> 24, 0xFFu);
}

TEST(GdiplusCodecs, PngBytesLoadBackIntoABitmap) {
  Canvas canvas(5, 5);
  gfx::SolidBrush green(kGreen);
  canvas.graphics.FillRectangle(&green, 1, 1, 3, 3);
  canvas.graphics.Flush();
  std::vector<uint8_t> bytes;
  ASSERT_EQ(canvas.bitmap.Save(gfx::ImageEncoder::Png, &bytes), gfx::Status::Ok);
  std::unique_ptr<gfx::Bitmap> loaded = gfx::Bitmap::FromPngBytes(bytes.data(), bytes.size());
  ASSERT_EQ(loaded->GetLastStatus(), gfx::Status::Ok);
  gfx::Color color;
  ASSERT_EQ(loaded->GetPixel(2, 2, &color), gfx::Status::Ok);
  EXPECT_EQ(color, kGreen);
  ASSERT_EQ(loaded->GetPixel(0, 0, &color), gfx::Status::Ok);
  EXPECT_EQ(color.GetA(), 0);

  const uint8_t garbage[] = {1, 2, 3, 4, 5};
  EXPECT_EQ(gfx::Bitmap::FromPngBytes(garbage, sizeof garbage)->GetLastStatus(),
            gfx::Status::FileNotFound);
}
