// The whole plug-in in the emulated host: database code configures a grid area in a window, the
// host's event loop draws it, and the window's pixels are probed where a person would look.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "../plugin/PluginFixture.h"
#include "gfx/Bitmap.h"
#include "grid/ZorvinAreaManager.h"
#include "plugin/CommandManifest.h"
#include "plugin/PlugInfo.h"
#include "tests/unit/grid/ZorviCommandsInHost.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

class GridOnScreen : public GridInHost {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    StartGrid("grid_on_screen");
  }
  void TearDown() override {
    StopGrid();
    PluginTest::TearDown();
  }

  // The window's pixels as SNAPSHOT writes them (scroll bars included), as 0xRRGGBB.
  std::unique_ptr<gfx::Bitmap> Snapshot() {
    const std::string path =
        ::testing::TempDir() + "grid_on_screen_" + std::to_string(getpid()) + ".png";
    std::string message;
    EXPECT_EQ(zvhost::RunCode("SNAPSHOT(gW;\"" + path + "\")", &message), 0) << message;
    auto snapshot = gfx::Bitmap::FromFile(path.c_str());
    std::remove(path.c_str());
    return snapshot;
  }
  static uint32_t At(const gfx::Bitmap& snapshot, int x, int y) {
    gfx::Color color;
    return snapshot.GetPixel(x, y, &color) == gfx::Status::Ok ? color.GetValue() & 0xFFFFFF
                                                              : 0xDEAD;
  }

  static bool Near(uint32_t actual, uint32_t expected) {
    for (int shift = 0; shift < 24; shift += 8) {
      const int a = static_cast<int>((actual >> shift) & 0xFF);
      const int e = static_cast<int>((expected >> shift) & 0xFF);
      if (std::abs(a - e) > 24) {
        return false;
      }
    }
    return true;
  }

  // 100 x 100 cells spaced by 10 with the 3 x 2 test picture (red, green, blue over white, black)
  // stretched over (10, 10, 90, 70) and captions "Cell n" in (0, 75, 100, 100); area background
  // 0x2040A0.
  void PlaceGrid(int count) {
    Run("C_PICTURE(gRed;gNone)\n"
        "READ PICTURE FILE(\"" ZORVI_TEST_DATA_DIR "/rgb3x2.png\";gRed)\n"
        "gW:=Open window(0;0;500;400)\n"
        "gRef:=Plugin area(gW;\"grid\";0;0;500;400)\n"
        "ASSERT(ZV_SetAreaBackgroundColor(gRef;0x2040A0)=0)\n"
        "ASSERT(ZV_SetCellOptions(gRef;100;100;gNone;0;0;0)=0)\n"
        "ASSERT(ZV_SetCellSpacing(gRef;10;10)=0)\n"
        "ASSERT(ZV_SetCellPicture(gRef;\"gRed\";10;10;90;70;2)=0)\n"
        "ASSERT(ZV_SetCellCaption(gRef;\"\\\"Cell "
        "\\\"+String(gZVCurrentCell)\";0;75;100;100;\"\")=0)\n"
        "ASSERT(ZV_SetNumCells(gRef;\"" +
        std::to_string(count) + "\")=0)\nIDLE\n");
  }
};

TEST_F(GridOnScreen, CellsShowTheirPicturesOnTheAreaBackground) {
  PlaceGrid(100);
  EXPECT_EQ(Pixel(5, 5), 0x2040A0u) << "the spacing shows the area's background";
  EXPECT_EQ(Pixel(10 + 5, 10 + 5), 0x2040A0u) << "the cell's background around the picture";
  // Cell 1 at (10, 10): its picture's first source pixel is red, the third blue, the fifth black.
  EXPECT_TRUE(Near(Pixel(10 + 20, 10 + 20), 0xFF0000u));
  EXPECT_TRUE(Near(Pixel(10 + 80, 10 + 20), 0x0000FFu));
  EXPECT_TRUE(Near(Pixel(10 + 50, 10 + 55), 0x000000u));
  EXPECT_TRUE(Near(Pixel(120 + 20, 10 + 20), 0xFF0000u)) << "cell 2 starts at x 120";
}

TEST_F(GridOnScreen, ScrollingRedrawsTheWindowAtOnce) {
  PlaceGrid(100);
  EXPECT_EQ(Pixel(30, 115), 0x2040A0u) << "the spacing between the first two rows";
  // Cell 41 brought up to the bottom scrolls by 810: row 8's pictures (900 to 960) come to 90.
  Run("ASSERT(ZV_RevealCell(gRef;41)=0)");
  const uint32_t revealed = Pixel(30, 115);
  EXPECT_NE(revealed, 0x2040A0u) << "a picture, drawn without waiting for the host";
  // Two wheel notches up move the view by 60: what was at 115 is now at 175.
  Run("MOUSE WHEEL(gW;100;100;1)\nMOUSE WHEEL(gW;100;100;1)");
  EXPECT_EQ(Pixel(30, 175), revealed);
  EXPECT_EQ(Pixel(30, 25), 0x2040A0u) << "the spacing above row 7 (770 to 780) is at 20 to 30";
}

TEST_F(GridOnScreen, SettingsWaitForTheHostsRedraw) {
  PlaceGrid(100);
  Run("ASSERT(ZV_SetAreaBackgroundColor(gRef;0x00FF00)=0)");
  EXPECT_EQ(Pixel(5, 5), 0x2040A0u) << "only marked";
  Run("IDLE");
  EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
}

// An area far larger than its window: the back buffer covers what the window shows of it.
TEST_F(GridOnScreen, AHugeAreaBuffersOnlyWhatItsWindowShows) {
  Run("gW:=Open window(0;0;400;300)\n"
      "gRef:=Plugin area(gW;\"grid\";0;0;32767;32767)\n"
      "ASSERT(ZV_SetAreaBackgroundColor(gRef;0x2040A0)=0)\n"
      "ASSERT(ZV_SetNumCells(gRef;\"10\")=0)\nIDLE\n");
  const gfx::Bitmap* buffer = nullptr;
  gZorvinAreaManager->DoToAllAreas(
      [](CXArea* area, void* found) {
        *static_cast<const gfx::Bitmap**>(found) =
            ZorvinAreaTestAccess::BackBuffer(*static_cast<ZorvinArea*>(area));
      },
      &buffer);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(buffer->GetWidth(), 400);
  EXPECT_EQ(buffer->GetHeight(), 300);
}

TEST_F(GridOnScreen, SnapshotsShowTheScrollBarOverTheWindow) {
  PlaceGrid(100);
  const std::string path =
      ::testing::TempDir() + "grid_on_screen_" + std::to_string(getpid()) + ".png";
  Run("SNAPSHOT(gW;\"" + path + "\")");
  auto snapshot = gfx::Bitmap::FromFile(path.c_str());
  std::remove(path.c_str());
  ASSERT_NE(snapshot, nullptr);
  EXPECT_EQ(snapshot->GetWidth(), 500);
  EXPECT_EQ(snapshot->GetHeight(), 400);
  gfx::Color bar;
  ASSERT_EQ(snapshot->GetPixel(492, 200, &bar), gfx::Status::Ok);
  EXPECT_NE(bar.GetValue() & 0xFFFFFF, 0x2040A0u) << "the bar stands at the right edge";
  gfx::Color cell;
  ASSERT_EQ(snapshot->GetPixel(30, 30, &cell), gfx::Status::Ok);
  EXPECT_TRUE(Near(cell.GetValue() & 0xFFFFFF, 0xFF0000u));
}

// Two areas at the same place on pages 1 and 2 and one on every page: each page shows its own
// areas with their bars, and a focus frame that goes leaves nothing behind.
TEST_F(GridOnScreen, EachPageShowsItsOwnAreas) {
  Run("C_PICTURE(gNone)\n"
      "gW:=Open window(0;0;500;400)\n"
      "gOne:=Plugin area(gW;\"one\";20;20;240;380;1)\n"
      "gTwo:=Plugin area(gW;\"two\";20;20;240;380;2)\n"
      "gAll:=Plugin area(gW;\"all\";260;20;480;380;0)\n"
      "ASSERT(ZV_SetAreaBackgroundColor(gOne;0x00C000)=0)\n"
      "ASSERT(ZV_SetAreaBackgroundColor(gTwo;0xC00000)=0)\n"
      "ASSERT(ZV_SetAreaBackgroundColor(gAll;0x0000C0)=0)\n"
      "ASSERT(ZV_SetCellOptions(gTwo;100;100;gNone;0;0;0)=0)\n"
      "ASSERT(ZV_SetNumCells(gTwo;\"100\")=0)\nIDLE\n");
  constexpr int kBarX = 232;
  auto first = Snapshot();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(At(*first, 100, 200), 0x00C000u);
  EXPECT_EQ(At(*first, kBarX, 200), 0x00C000u) << "page 2's bar is not on page 1";
  EXPECT_EQ(At(*first, 300, 200), 0x0000C0u);

  Run("MOUSE CLICK(gW;100;200)\nIDLE");
  auto focused = Snapshot();
  ASSERT_NE(focused, nullptr);
  EXPECT_NE(At(*focused, 16, 200), 0xFFFFFFu) << "the focus frame, 4 pixels out";
  Run("MOUSE CLICK(gW;300;200)\nIDLE");
  auto moved = Snapshot();
  ASSERT_NE(moved, nullptr);
  for (int x = 15; x < 20; ++x) {
    EXPECT_EQ(At(*moved, x, 200), 0xFFFFFFu) << "no frame left at x " << x;
  }
  EXPECT_NE(At(*moved, 256, 200), 0xFFFFFFu) << "the frame of the area that has the focus";

  Run("FORM GOTO PAGE(gW;2)\nIDLE");
  auto second = Snapshot();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(At(*second, 100, 200), 0xC00000u) << "page 2's area where page 1's was";
  EXPECT_NE(At(*second, kBarX, 200), 0xC00000u) << "with its bar";
  EXPECT_NE(At(*second, kBarX, 200), 0x00C000u);
  EXPECT_EQ(At(*second, 300, 200), 0x0000C0u);

  Run("FORM GOTO PAGE(gW;1)\nIDLE");
  auto back = Snapshot();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(At(*back, 100, 200), 0x00C000u);
  EXPECT_EQ(At(*back, kBarX, 200), 0x00C000u) << "the bar went with its page";
}

// Far down a huge document a float keeps only 16 to 32 pixels: every picture and gap must still
// be drawn where the hit test finds it. The 10^7-cell probe runs against the same probe at the
// top of a short grid, so that a probe that fits neither would not pass by itself.
class GridFarDown : public GridOnScreen {
protected:
  // 100 x 100 cells 10 apart, four to a row, each filled by a solid picture on a yellow area.
  void PlaceSolidGrid(const std::string& count) {
    Run("C_PICTURE(gSolid;gNone)\n"
        "READ PICTURE FILE(\"" ZORVI_TEST_DATA_DIR "/blue1400.png\";gSolid)\n"
        "gW:=Open window(0;0;500;400)\n"
        "gRef:=Plugin area(gW;\"grid\";0;0;500;400)\n"
        "ASSERT(ZV_SetAreaBackgroundColor(gRef;0xFFFF00)=0)\n"
        "ASSERT(ZV_SetCellOptions(gRef;100;100;gNone;0;0;0)=0)\n"
        "ASSERT(ZV_SetCellSpacing(gRef;10;10)=0)\n"
        "ASSERT(ZV_SetCellPicture(gRef;\"gSolid\";0;0;100;100;2)=0)\n"
        "ASSERT(ZV_SetNumCells(gRef;\"" +
        count + "\")=0)\nIDLE\n");
  }
  static ZorvinArea* TheArea() {
    ZorvinArea* found = nullptr;
    gZorvinAreaManager->DoToAllAreas(
        [](CXArea* area, void* out) {
          *static_cast<ZorvinArea**>(out) = static_cast<ZorvinArea*>(area);
        },
        &found);
    return found;
  }
  // The cell the hit test finds under a point of the view, 0 in a gap.
  static uint32_t CellAt(const ZorvinArea& area, int x, int y) {
    return area.CellLocationToIndex(
        area.DocPointToRangeCheckedCellLocation(area.ViewPointToDoc(CGPointMake(x, y)), false));
  }
  // Rows whose pixels in column x disagree with the hit test: picture in cells, yellow in gaps.
  std::string MisplacedRows(int x) {
    const ZorvinArea* area = TheArea();
    auto snapshot = Snapshot();
    if (area == nullptr || snapshot == nullptr) {
      return "no area or no snapshot";
    }
    std::string wrong;
    for (int y = 0; y < 400; ++y) {
      const bool inCell = CellAt(*area, x, y) != 0;
      const uint32_t pixel = At(*snapshot, x, y);
      if (inCell ? !Near(pixel, 0x2878C8u) : pixel != 0xFFFF00u) {
        wrong += " " + std::to_string(y) + (inCell ? "(cell)" : "(gap)");
      }
    }
    return wrong;
  }
};

TEST_F(GridFarDown, TheProbeFitsAShortGrid) {
  PlaceSolidGrid("40");
  EXPECT_EQ(MisplacedRows(60), "");
  EXPECT_EQ(MisplacedRows(170), "");
}

TEST_F(GridFarDown, PicturesAndGapsLieWhereTheHitTestFindsThem) {
  PlaceSolidGrid("10000000");
  Run("ASSERT(ZV_RevealCell(gRef;9999990)=0)");
  EXPECT_EQ(MisplacedRows(60), "") << "drawn at once by the reveal";
  Run("IDLE");
  EXPECT_EQ(MisplacedRows(60), "") << "drawn by the host's update";
  EXPECT_EQ(MisplacedRows(170), "") << "the second column";

  // A click selects the cell under it and redraws it at once: its frame (red, 2 wide, 1 in)
  // follows the cell's top edge.
  const ZorvinArea* area = TheArea();
  ASSERT_NE(area, nullptr);
  // The first whole row: past the first gap.
  int top = 0;
  while (top < 400 && CellAt(*area, 60, top) != 0) {
    ++top;
  }
  while (top < 400 && CellAt(*area, 60, top) == 0) {
    ++top;
  }
  ASSERT_LT(top + 50, 400);
  Run("MOUSE CLICK(gW;60;" + std::to_string(top + 50) + ")");
  EXPECT_TRUE(area->IsCellSelected(CellAt(*area, 60, top + 50)));
  EXPECT_EQ(Pixel(60, top + 2), 0xFF0000u) << "the frame's top at " << top + 1;
  EXPECT_TRUE(Near(Pixel(60, top + 5), 0x2878C8u)) << "the picture inside it";
}

} // namespace
