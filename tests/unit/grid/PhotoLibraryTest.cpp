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
#include "grid/ZorvinAreaManager.h"
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

  void OpenGallery() {
    std::string message;
    ASSERT_EQ(zvhost::DefineMethod("CellPhoto",
                                   "gEvaluated:=gEvaluated+1\n"
                                   "READ PICTURE FILE(gFolder+gNames{gZVCurrentCell};$0)\n",
                                   "", &message),
              0)
        << message;
    Run("gFolder:=\"" + sFolder +
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

} // namespace
