// A folder of camera-like photos in a gallery grid, as a person would use it: each cell's picture
// expression reads its own file, every visible card shows its photo and caption, idles evaluate
// nothing more, and the cache holds the photos at the size they are drawn. An older host without
// the reduced-size operation draws the same cells.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../plugin/PluginFixture.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "grid/ZorvinAreaManager.h"
#include "host/FourD.h"
#include "platform/win/ContentView.h"
#include "plugin/CommandManifest.h"
#include "plugin/PlugInfo.h"
#include "tests/photos/TestPhotos.h"
#include "tests/unit/grid/ZorviCommandsInHost.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

constexpr int kPhotos = 12;
constexpr int kPhotoWidth = 800;
constexpr int kPhotoHeight = 600;
constexpr uint32_t kGround = 0xDCE0E6; // the area's and so the cells' background

// Cards 164 x 176 spaced by 12 in a 560 x 440 window: three a row, the third row cut by the
// window's bottom. The photo covers (8, 8)-(156, 128); the caption lies in (6, 132)-(158, 170).
struct Card {
  int left;
  int top;
};

class PhotoLibrary : public GridInHost {
protected:
  static void SetUpTestSuite() {
    sFolder = ::testing::TempDir() + "photo_library_" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(sFolder);
    for (int i = 1; i <= kPhotos; ++i) {
      char name[32];
      snprintf(name, sizeof name, "Photo %02d.jpg", i);
      ASSERT_TRUE(testphotos::WritePhoto(sFolder + name, kPhotoWidth, kPhotoHeight, i));
    }
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(sFolder); }

  void SetUp() override { Start(0x1400); }
  void TearDown() override { Stop(); }

  void Start(uint32_t hostVersion) {
    InitPlugin(zvhost::ProgramMode::SingleUser, hostVersion);
    StartGrid("photo_library");
    zvhost::SetLogSink([this](const std::string& line) { fLog.push_back(line); });
  }

  void Stop() {
    zvhost::SetLogSink(nullptr);
    StopGrid();
    PluginTest::TearDown();
  }

  // The value a LOG of one expression wrote.
  std::string Logged(const std::string& expression) {
    fLog.clear();
    Run("LOG(" + expression + ")");
    return fLog.empty() ? std::string() : fLog.back();
  }

  int Evaluations() { return std::stoi(Logged("gEvaluated")); }

  // `meddling` runs in the cell's picture expression first.
  void OpenGallery(const std::string& folder = sFolder, const std::string& meddling = "") {
    std::string message;
    ASSERT_EQ(zvhost::DefineMethod("CellPhoto",
                                   "gEvaluated:=gEvaluated+1\n" + meddling +
                                       "READ PICTURE FILE(gFolder+gNames{gZVCurrentCell};$0)\n",
                                   "", &message),
              0)
        << message;
    Run("gFolder:=\"" + folder +
        "\"\n"
        "ARRAY TEXT(gNames;0)\n"
        "DOCUMENT LIST(gFolder;gNames)\n"
        "gEvaluated:=0\n"
        "gW:=Open window(0;0;560;440)\n"
        "gRef:=Plugin area(gW;\"gallery\";0;0;560;440)\n"
        "C_PICTURE(gNone)\n"
        "ASSERT(ZV_SetAreaBackgroundColor(gRef;0x00DCE0E6)=0)\n"
        "ASSERT(ZV_SetCellOptions(gRef;164;176;gNone;0;0;0)=0)\n"
        "ASSERT(ZV_SetCellSpacing(gRef;12;12)=0)\n"
        "ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";8;8;156;128;11)=0)\n"
        "ASSERT(ZV_SetCellCaption(gRef;\"gNames{gZVCurrentCell}\";6;132;158;170;\"\")=0)\n"
        "ASSERT(ZV_SetCaptionFont(gRef;\"DejaVu Sans\";11;1)=0)\n"
        "ASSERT(ZV_SetCaptionColors(gRef;0x00303540;0x00FFFFFF)=0)\n"
        "ASSERT(ZV_SetCaptionAlignment(gRef;1;1)=0)\n"
        "ASSERT(ZV_SetNumCells(gRef;\"Size of array(gNames)\")=0)\n"
        "IDLE\nIDLE\n");
  }

  static std::vector<Card> VisibleCards() {
    std::vector<Card> cards;
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        cards.push_back(Card{12 + column * 176, 12 + row * 188});
      }
    }
    return cards;
  }

  // The photo's pixels differ from one another and from the ground; some of the caption's are ink.
  static void ExpectCardDrawn(const Card& card, int number) {
    int distinct = 0;
    uint32_t previous = Pixel(card.left + 10, card.top + 10);
    for (int y = 12; y < 124 && card.top + y < 440; y += 7) {
      for (int x = 12; x < 152; x += 9) {
        const uint32_t p = Pixel(card.left + x, card.top + y);
        distinct += p != previous && p != kGround ? 1 : 0;
        previous = p;
      }
    }
    EXPECT_GT(distinct, 20) << "photo pixels in card " << number;
    if (card.top + 170 > 440) {
      return;
    }
    int ink = 0;
    for (int y = 132; y < 170; ++y) {
      for (int x = 6; x < 158; ++x) {
        const uint32_t p = Pixel(card.left + x, card.top + y);
        ink += (p & 0xFF) < 0xA0 ? 1 : 0;
      }
    }
    EXPECT_GT(ink, 40) << "caption ink in card " << number;
  }

  static ZorvinArea* TheArea() {
    ZorvinArea* found = nullptr;
    gZorvinAreaManager->DoToAllAreas(
        [](CXArea* area, void* out) { *static_cast<ZorvinArea**>(out) = (ZorvinArea*)area; },
        &found);
    return found;
  }

  static std::vector<uint32_t> WindowPixels() {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 440; ++y) {
      for (int x = 0; x < 540; ++x) {
        pixels.push_back(Pixel(x, y));
      }
    }
    return pixels;
  }

  // The picture's pixel at (x, y), 0xRRGGBB.
  static uint32_t PicturePixel(FDPicture picture, int32_t x, int32_t y) {
    FDNativeImage* image = nullptr;
    EXPECT_EQ(FourD::CreateNativeImageForScreen(picture, &image), 0);
    if (image == nullptr || x >= image->fWidth || y >= image->fHeight) {
      FourD::DisposeNativeImage(image);
      return 0;
    }
    const uint32_t pixel = image->fPixels[size_t(y) * size_t(image->fRowBytes / 4) + size_t(x)];
    FourD::DisposeNativeImage(image);
    return pixel & 0xFFFFFF;
  }

  static std::string sFolder;
  std::vector<std::string> fLog;
};

std::string PhotoLibrary::sFolder;

TEST_F(PhotoLibrary, EveryVisibleCardShowsItsPhotoKeptAtTheSizeItIsDrawn) {
  OpenGallery();
  const std::vector<Card> cards = VisibleCards();
  for (size_t i = 0; i < cards.size(); ++i) {
    ExpectCardDrawn(cards[i], static_cast<int>(i + 1));
  }
  EXPECT_EQ(Evaluations(), 9) << "the nine cards in view";
  Run("IDLE\nIDLE\nIDLE");
  EXPECT_EQ(Evaluations(), 9) << "idles evaluate nothing once the screen is complete";

  // Covering 148 x 120 with a 4:3 photo keeps 160 x 120 of it, not 800 x 600.
  GridCache& cache = ZorvinAreaTestAccess::Cache(*TheArea());
  const CellData first = cache.GetCellData(1);
  ASSERT_NE(first.fPicture, nullptr);
  EXPECT_EQ(first.fPicture->fWidth, 160);
  EXPECT_EQ(first.fPicture->fHeight, 120);
  EXPECT_LT(cache.GetByteTotal(), 9u * 160 * 120 * 4 + 4096);

  // A new picture rectangle changes the fitted size: the cards load again, fitted anew.
  Run("ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";8;8;88;68;6)=0)\nIDLE\nIDLE");
  EXPECT_EQ(Evaluations(), 18);
  const CellData smaller = cache.GetCellData(1);
  ASSERT_NE(smaller.fPicture, nullptr);
  EXPECT_EQ(smaller.fPicture->fWidth, 80);
  EXPECT_EQ(smaller.fPicture->fHeight, 60);
  EXPECT_NE(Pixel(12 + 40, 12 + 30), kGround);
  EXPECT_EQ(Pixel(12 + 120, 12 + 100), kGround) << "outside the smaller rectangle";

  // Shown at its own size, a photo is kept as the part its rectangle shows.
  Run("ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";8;8;156;128;1)=0)\nIDLE");
  const CellData part = cache.GetCellData(1);
  ASSERT_NE(part.fPicture, nullptr);
  EXPECT_LE(part.fPicture->fWidth, 149);
  EXPECT_LE(part.fPicture->fHeight, 121);
  EXPECT_EQ(part.fExtent.fPictureWidth, kPhotoWidth);
  ExpectCardDrawn(cards[0], 1);
}

TEST_F(PhotoLibrary, AnOlderHostWithoutReducedDecodingDrawsTheSameCells) {
  OpenGallery();
  const std::vector<uint32_t> recent = WindowPixels();
  Stop();
  Start(0x1300);
  OpenGallery();
  const std::vector<uint32_t> older = WindowPixels();
  const std::vector<Card> cards = VisibleCards();
  for (size_t i = 0; i < cards.size(); ++i) {
    ExpectCardDrawn(cards[i], static_cast<int>(i + 1));
  }
  EXPECT_EQ(Evaluations(), 9);
  // The two reductions filter differently: pixels differ a little, never the picture.
  ASSERT_EQ(recent.size(), older.size());
  double total = 0;
  for (size_t i = 0; i < recent.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      total += std::abs(int((recent[i] >> shift) & 0xFF) - int((older[i] >> shift) & 0xFF));
    }
  }
  EXPECT_LT(total / (recent.size() * 3), 4.0) << "mean difference per channel";
}

// Camera photos carry a 160 x 120 preview, here of one colour so that it shows which was drawn.
// Cells that it covers draw it; a cell larger than it draws the photo, and so does its capture.
TEST_F(PhotoLibrary, CameraPreviewsServeTheCellsTheyCoverAndNoLargerOnes) {
  const std::string folder = ::testing::TempDir() + "camera_" + std::to_string(getpid()) + "/";
  std::filesystem::create_directories(folder);
  constexpr uint32_t kMark = 0xE01010;
  for (int i = 1; i <= 3; ++i) {
    ASSERT_TRUE(testphotos::WritePhoto(folder + "Camera " + std::to_string(i) + ".jpg", 1600, 1200,
                                       i, testphotos::Thumbnail{160, 120, kMark}));
  }
  const auto isMark = [](uint32_t p) {
    return ((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x40 && (p & 0xFF) < 0x40;
  };
  OpenGallery(folder);
  // Covering 148 x 120 keeps 160 x 120: the preview's own size.
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(isMark(Pixel(12 + i * 176 + 82, 12 + 68))) << "preview in card " << i + 1;
  }
  GridCache& cache = ZorvinAreaTestAccess::Cache(*TheArea());
  ASSERT_NE(cache.GetCellData(1).fPicture, nullptr);
  EXPECT_EQ(cache.GetCellData(1).fPicture->fWidth, 160);
  FDPicture captured = nullptr;
  ASSERT_EQ(TheArea()->CaptureCell(1, &captured), 0);
  EXPECT_TRUE(isMark(PicturePixel(captured, 82, 68))) << "the capture shows what the cell shows";
  FourD::DisposeFDPicture(captured);

  // 224 x 180 asks for 224 x 168 of the photo: more than the preview holds.
  Run("ASSERT(ZV_SetCellOptions(gRef;240;240;gNone;0;0;0)=0)\n"
      "ASSERT(ZV_SetCellPicture(gRef;\"CellPhoto\";8;8;232;188;6)=0)\nIDLE\nIDLE");
  ASSERT_NE(cache.GetCellData(1).fPicture, nullptr);
  EXPECT_EQ(cache.GetCellData(1).fPicture->fWidth, 224);
  EXPECT_EQ(cache.GetCellData(1).fPicture->fHeight, 168);
  for (int i = 0; i < 2; ++i) {
    const uint32_t centre = Pixel(12 + i * 252 + 120, 12 + 98);
    EXPECT_FALSE(isMark(centre)) << "the photo in card " << i + 1;
    EXPECT_NE(centre, kGround);
  }
  ASSERT_EQ(TheArea()->CaptureCell(2, &captured), 0);
  EXPECT_FALSE(isMark(PicturePixel(captured, 120, 98)));
  EXPECT_NE(PicturePixel(captured, 120, 98), kGround);
  FourD::DisposeFDPicture(captured);
  std::filesystem::remove_all(folder);
}

// Full redraws of square cells go straight to the window, partial ones (and rounded cells) through
// the back buffer. Whatever the mix,
// the window shows, pixel for pixel, what drawing the whole view afresh shows: after the first
// screen, after a click redraws two cells, after copying from the buffer as drag scrolling does,
// and after a scroll.
TEST_F(PhotoLibrary, EveryRedrawShowsWhatAFreshDrawingOfTheViewShows) {
  OpenGallery();
  ZorvinArea* area = TheArea();
  const CGRect shown = ContentView::GetShownBounds(area);
  const CGPoint port = ContentView::GetPortRelativeBounds(area).origin;
  const auto width = static_cast<int32_t>(shown.size.width);
  const auto height = static_cast<int32_t>(shown.size.height);
  ASSERT_GT(width, 400);
  const auto expectFresh = [&](const char* after) {
    gfx::Bitmap fresh(width, height, gfx::PixelFormat32bppRGB);
    {
      gfx::Graphics graphics(&fresh);
      graphics.TranslateTransform(-shown.origin.x, -shown.origin.y);
      ContentView::DrawAtPortOrigin(area, &graphics, &shown);
      graphics.Flush();
    }
    int differing = 0;
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) {
        gfx::Color color;
        ASSERT_EQ(fresh.GetPixel(x, y, &color), gfx::Status::Ok);
        const uint32_t window =
            Pixel(int(port.x + shown.origin.x) + x, int(port.y + shown.origin.y) + y);
        differing += (color.GetValue() & 0xFFFFFF) != window ? 1 : 0;
      }
    }
    EXPECT_EQ(differing, 0) << "pixels that differ after " << after;
  };
  expectFresh("the first screen");
  Run("MOUSE CLICK(gW;" + std::to_string(12 + 176 + 80) + ";80)");
  expectFresh("a click");
  ContentView::CopyBackBuffer(area, shown, shown);
  expectFresh("copying the buffer onto the window");
  Run("MOUSE WHEEL(gW;200;200;-1)\nIDLE");
  expectFresh("a scroll");
  ContentView::CopyBackBuffer(area, shown, shown);
  expectFresh("copying the buffer after the scroll");
  // Rounded cells: their anti-aliased corners blend with what lies under them.
  Run("ASSERT(ZV_SetCellOptions(gRef;164;176;gNone;0;14;14)=0)\nIDLE\nIDLE");
  expectFresh("rounding the cells");
  Run("MOUSE CLICK(gW;100;80)");
  expectFresh("a click on a rounded cell");
  ContentView::CopyBackBuffer(area, shown, shown);
  expectFresh("copying the buffer of rounded cells");
}

// Pictures decode on worker threads while the calling thread evaluates the next cells. A cell
// expression that closes the window, or drops every cached cell, meanwhile throws the workers'
// results away: nothing leaks (the fixture counts host objects) and nothing freed is used; after a
// purge the screen that loads again is complete.
TEST_F(PhotoLibrary, CellExpressionsThatCloseOrPurgeWhileWorkersDecode) {
  const std::string folder = ::testing::TempDir() + "busy_" + std::to_string(getpid()) + "/";
  std::filesystem::create_directories(folder);
  for (int i = 1; i <= 9; ++i) {
    ASSERT_TRUE(
        testphotos::WritePhoto(folder + "Busy " + std::to_string(i) + ".jpg", 1600, 1200, i + 40));
  }
  const std::string meddling = "If (gZVCurrentCell=gAt)\n"
                               "  gAt:=0\n"
                               "  If (gMode=\"close\")\n"
                               "    CLOSE WINDOW(gW)\n"
                               "  Else\n"
                               "    gInner:=ZV_UpdateArea(gRef;8;0;0)\n"
                               "  End if\n"
                               "End if\n";
  Run("gAt:=5\ngMode:=\"purge\"\ngInner:=-1");
  OpenGallery(folder, meddling);
  EXPECT_EQ(Logged("gInner"), "0");
  const std::vector<Card> cards = VisibleCards();
  for (size_t i = 0; i < cards.size(); ++i) {
    ExpectCardDrawn(cards[i], static_cast<int>(i + 1));
  }
  GridCache& cache = ZorvinAreaTestAccess::Cache(*TheArea());
  EXPECT_TRUE(cache.CheckConsistency());
  for (uint32_t cell = 1; cell <= 9; ++cell) {
    ASSERT_NE(cache.GetCellData(cell).fPicture, nullptr) << cell;
  }
  Run("CLOSE WINDOW(gW)");

  // With the window up, a purge reloads the screen, and cell 6 closes it.
  Run("gAt:=0");
  OpenGallery(folder, meddling);
  Run("gEvaluated:=0\ngAt:=6\ngMode:=\"close\"\n$r:=ZV_UpdateArea(gRef;8;0;0)");
  EXPECT_EQ(Evaluations(), 6) << "the load stopped at the cell that closed the window";
  EXPECT_EQ(TheArea(), nullptr);
  std::filesystem::remove_all(folder);
}

} // namespace
