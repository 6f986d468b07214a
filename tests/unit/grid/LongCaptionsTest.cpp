// A caption far longer than its box: each drawn cell lays out only the lines its caption box can
// show, so one caption change over a screen of cells costs what the boxes show.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gfx/cairo/TextLayout.h"
#include "tests/unit/grid/ZorviCommandsInHost.h"

namespace {

class LongCaptions : public GridInHost {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    StartGrid("long_captions");
  }
  void TearDown() override {
    StopGrid();
    PluginTest::TearDown();
  }
};

// Sixteen 30 x 30 cells in view, each with an 11,000-character word in a 30 x 15 caption box,
// where one line of 8-point text fits.
TEST_F(LongCaptions, EachCellLaysOutOnlyAboutTheLinesItsBoxShows) {
  Run("C_PICTURE(gNone)\n"
      "gWord:=\"\"\n"
      "For($i;1;1100)\n"
      "  gWord:=gWord+\"abcdefghij\"\n"
      "End for\n"
      "gW:=Open window(0;0;120;120)\n"
      "gRef:=Plugin area(gW;\"grid\";0;0;120;120)\n"
      "ASSERT(ZV_SetCellOptions(gRef;30;30;gNone;0;0;0)=0)\n"
      "ASSERT(ZV_SetCaptionFont(gRef;\"DejaVu Sans\";8;0)=0)\n"
      "ASSERT(ZV_SetNumCells(gRef;\"16\")=0)\n"
      "IDLE\n");
  const uint64_t before = gfx::TextLayout::LinesLaidOut();
  Run("ASSERT(ZV_SetCellCaption(gRef;\"gWord\";0;15;30;30;\"\")=0)\nIDLE\n");
  const uint64_t lines = gfx::TextLayout::LinesLaidOut() - before;
  EXPECT_GT(lines, 0u) << "the captions were drawn";
  // One line shows; the layout runs a few lines past it, with a head of the text that may be
  // up to twice what those need.
  EXPECT_LE(lines, 16u * 16) << "a few lines per caption, not the word's thousands";
  // The first line shows in each box: the top-left cell's caption has ink.
  int inked = 0;
  for (int y = 15; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      inked += Pixel(x, y) != 0xFFFFFFu;
    }
  }
  EXPECT_GT(inked, 10);

  // Centred, the caption is measured first, in its box too: whether it fits is all that counts.
  const uint64_t beforeCentred = gfx::TextLayout::LinesLaidOut();
  Run("ASSERT(ZV_SetCaptionAlignment(gRef;0;1)=0)\nIDLE\n");
  EXPECT_LE(gfx::TextLayout::LinesLaidOut() - beforeCentred, 16u * 32);
}

} // namespace
