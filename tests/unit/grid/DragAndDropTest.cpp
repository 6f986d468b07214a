// Drags between grid areas walked through the emulated host's mouse timeline, and the drop caret
// probed in the window's pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../plugin/PluginFixture.h"
#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "plugin/CommandManifest.h"
#include "plugin/PlugInfo.h"
#include "tests/unit/grid/ZorviCommandsInHost.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"

namespace {

using Events = std::vector<std::pair<int32_t, int32_t>>;

constexpr uint32_t kGreen = 0x00FF00;

// Stands in for the click path: a mouse-down on a cell starts the drag between grid areas.
void ClickPathEntry(int32_t selector, void* params, void* hostData, void* result) {
  if (selector == kFDAreaCommand && params != nullptr && gZorvinAreaManager != nullptr) {
    void** block = static_cast<void**>(params);
    const auto* event = static_cast<const EventRecord*>(block[0]);
    const auto* ref = static_cast<const int32_t*>(block[3]);
    auto* area = static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(*ref));
    if (event->what == 1 && area != nullptr) {
      const CGPoint port = CGPointMake(event->where.h, event->where.v);
      const CGPoint doc = area->ViewPointToDoc(area->PortPointToView(port));
      const uint32_t cell =
          area->CellLocationToIndex(area->DocPointToRangeCheckedCellLocation(doc, false));
      if (cell != 0) {
        if (area->IsDraggable()) {
          area->Handle4DDrag(doc);
        } else {
          area->HandleDrag(doc, event->modifiers, cell);
        }
        return;
      }
    }
  }
  FourDPackex(selector, params, hostData, result);
}

// Two windows side by side, 100 pixels apart, each with a grid of five 60 x 60 cells spaced by
// 10, four a row: gLeft offers "A" and "B" and accepts "A", gRight accepts "C", "B" and "A".
class DragBetweenAreas : public GridInHost {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    StartGrid("drag_and_drop", ClickPathEntry);
    std::string message;
    ASSERT_EQ(zvhost::DefineMethod("dropped",
                                   "$cell:=0\n"
                                   "LOG(Form event code;ZV_GetDropCell(gRight;$cell);$cell)\n",
                                   "dropped", &message),
              0)
        << message;
    Run("C_PICTURE(gNone)\n"
        "gW1:=Open window(0;0;300;200)\n"
        "gW2:=Open window(400;0;700;200)\n"
        "gLeft:=Plugin area(gW1;\"left\";0;0;300;200)\n"
        "gRight:=Plugin area(gW2;\"right\";0;0;300;200;0;\"dropped\")\n"
        "ARRAY TEXT(gDrags;2)\n"
        "gDrags{1}:=\"A\"\n"
        "gDrags{2}:=\"B\"\n"
        "ARRAY TEXT(gDrops;3)\n"
        "gDrops{1}:=\"C\"\n"
        "gDrops{2}:=\"B\"\n"
        "gDrops{3}:=\"A\"\n"
        "ARRAY TEXT(gSelf;1)\n"
        "gSelf{1}:=\"A\"\n"
        "ASSERT(ZVObs_SetDragSignatures(gLeft;gDrags)=0)\n"
        "ASSERT(ZVObs_SetDropSignatures(gLeft;gSelf)=0)\n"
        "ASSERT(ZVObs_SetDropSignatures(gRight;gDrops)=0)\n"
        "ASSERT(ZV_SetDragOptions(gRight;0;4;0x00FF00;30)=0)\n");
    for (const char* area : {"gLeft", "gRight"}) {
      Run(std::string("ASSERT(ZV_SetCellOptions(") + area + ";60;60;gNone;0;0;0)=0)\n" +
          "ASSERT(ZV_SetCellSpacing(" + area + ";10;10)=0)\n" + "ASSERT(ZV_SetNumCells(" + area +
          ";\"5\")=0)\n");
    }
    Run("IDLE\n");
  }

  void TearDown() override {
    StopGrid();
    PluginTest::TearDown();
  }

  // The grid area in open window `window`.
  static ZorvinArea* AreaIn(int32_t window) {
    std::pair<void*, ZorvinArea*> search{zvhost::HostWindow(window), nullptr};
    gZorvinAreaManager->DoToAllAreas(
        [](CXArea* area, void* data) {
          auto* found = static_cast<std::pair<void*, ZorvinArea*>*>(data);
          if (area->GetHWND() == found->first) {
            found->second = static_cast<ZorvinArea*>(area);
          }
        },
        &search);
    return search.second;
  }

  // The lines that `code` logs.
  std::string Logged(const std::string& code) {
    std::string lines;
    zvhost::SetLogSink([&lines](const std::string& line) { lines += line + "\n"; });
    Run(code);
    zvhost::SetLogSink(nullptr);
    return lines;
  }

  // The pixel at window point (x, y) as 0xRRGGBB.
  static uint32_t Pixel(int32_t window, int x, int y) {
    const FDDeviceContext* dc = GetDC(zvhost::HostWindow(window));
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->fWidth || y >= dc->fHeight) {
      return 0xDEAD;
    }
    const auto* row = reinterpret_cast<const unsigned char*>(dc->fPixels) + y * dc->fRowBytes;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  }
  static bool AnyInRow(int32_t window, int x0, int x1, int y, uint32_t color) {
    for (int x = x0; x < x1; ++x) {
      if (Pixel(window, x, y) == color) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(DragBetweenAreas, DropsOnTheAreaUnderThePointerInAnotherWindow) {
  ZorvinArea* left = AreaIn(1);
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  ZVCursor* before = GetCursor();
  // From cell 1 to the left half of the right grid's cell 3 (window 2 starts at x 400).
  Run("MOUSE DRAG(gW1;40;40;555;40)\n");
  EXPECT_EQ(ZorvinAreaTestAccess::PendingEvents(*right), (Events{{16, 3}}));
  EXPECT_TRUE(ZorvinAreaTestAccess::PendingEvents(*left).empty());
  EXPECT_EQ(GetCursor(), before);
  EXPECT_FALSE(AnyInRow(2, 0, 300, 40, kGreen)) << "the caret is gone after the drop";
  // The target's list order picks the matched signature.
  EXPECT_EQ(Logged("$a:=0\n$p:=0\n$s:=\"\"\n"
                   "LOG(ZVObs_GetDragSource(gRight;$a;$p;$s);$a=gLeft;$p;$s)\n"),
            "0\tTrue\t1\tB\n");
  // A source closed before the database asks is no source.
  Run("CLOSE WINDOW(gW1)\n");
  EXPECT_EQ(Logged("$a:=7\n$p:=8\n$s:=\"x\"\n"
                   "LOG(ZVObs_GetDragSource(gRight;$a;$p;$s);$a;$p;$s)\n"),
            "-50\t7\t8\t\n");
}

TEST_F(DragBetweenAreas, TheCancelKeyEndsTheDragWithoutADrop) {
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(right, nullptr);
  // Typed when the pointer is over the right grid, where the caret then shows.
  Run("POST KEY(27;0;9)\nMOUSE DRAG(gW1;40;40;555;40)\n");
  EXPECT_TRUE(ZorvinAreaTestAccess::PendingEvents(*right).empty());
  EXPECT_FALSE(AnyInRow(2, 0, 300, 40, kGreen));
  // Without the key the same drag drops.
  Run("MOUSE DRAG(gW1;40;40;555;40)\n");
  EXPECT_EQ(ZorvinAreaTestAccess::PendingEvents(*right), (Events{{16, 3}}));
}

TEST_F(DragBetweenAreas, ACellDroppedBesideItselfIsNoMove) {
  ZorvinArea* left = AreaIn(1);
  ASSERT_NE(left, nullptr);
  // Cell 2 onto the right half of cell 1, then onto the right half of cell 3.
  Run("MOUSE DRAG(gW1;110;40;60;40)\n");
  EXPECT_TRUE(ZorvinAreaTestAccess::PendingEvents(*left).empty());
  Run("MOUSE DRAG(gW1;110;40;200;40)\n");
  EXPECT_EQ(ZorvinAreaTestAccess::PendingEvents(*left), (Events{{16, 4}}));
}

// Cell 2's left edge with spacing is at x 75: the 4-pixel caret before it covers x 73 to 76.
TEST_F(DragBetweenAreas, TheCaretStandsBetweenCellsOfARowInItsColour) {
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(right, nullptr);
  right->EnableDragCaret(2, kDropBefore);
  EXPECT_EQ(Pixel(2, 73, 40), kGreen);
  EXPECT_EQ(Pixel(2, 76, 40), kGreen);
  EXPECT_NE(Pixel(2, 72, 40), kGreen);
  EXPECT_NE(Pixel(2, 77, 40), kGreen);
  EXPECT_FALSE(AnyInRow(2, 0, 300, 110, kGreen)) << "only along the first row";
  // After cell 1 is the same place: nothing moves.
  right->EnableDragCaret(1, kDropAfter);
  EXPECT_EQ(Pixel(2, 74, 40), kGreen);
  right->DisableDragCaret();
  EXPECT_FALSE(AnyInRow(2, 0, 300, 40, kGreen));
  // An empty grid aligned to the top left: one pitch tall, half a gap in.
  Run("ASSERT(ZV_SetNumCells(gRight;\"0\")=0)\nIDLE\n");
  right->EnableDragCaret(1, kDropBefore);
  EXPECT_EQ(Pixel(2, 5, 40), kGreen);
  EXPECT_EQ(Pixel(2, 8, 74), kGreen);
  EXPECT_NE(Pixel(2, 9, 40), kGreen);
  EXPECT_NE(Pixel(2, 6, 76), kGreen);
  right->DisableDragCaret();
  // Width 0: no caret.
  ASSERT_EQ(right->SetDragOptions(0, 0, 0x00FF00, 30), 0);
  right->EnableDragCaret(3, kDropBefore);
  EXPECT_FALSE(AnyInRow(2, 0, 300, 40, kGreen));
}

TEST_F(DragBetweenAreas, ABlinkingCaretTogglesWhenPolled) {
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(right, nullptr);
  ASSERT_EQ(right->SetDragOptions(2, 4, -254, 30), 0);
  // The clock stands at 0 at first, which cannot mark a toggle.
  right->EnableDragCaret(2, kDropBefore);
  const uint32_t off = Pixel(2, 74, 40);
  zvhost::AdvanceTicks(1);
  ZorvinArea::CaretTimerTask();
  // The menu-highlight colour of the window system (0x00BBGGRR).
  const uint32_t bgr = GetSysColor(COLOR_MENUHILIGHT);
  const uint32_t highlight = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
  EXPECT_EQ(Pixel(2, 74, 40), highlight);
  zvhost::AdvanceTicks(29);
  ZorvinArea::CaretTimerTask();
  EXPECT_EQ(Pixel(2, 74, 40), highlight);
  zvhost::AdvanceTicks(1);
  ZorvinArea::CaretTimerTask();
  EXPECT_EQ(Pixel(2, 74, 40), off);
  right->DisableDragCaret();
}

} // namespace

namespace {

// Auto-scrolling moves the pixels already drawn and draws only the strip they uncover: the
// window must then look as a full redraw makes it.
TEST_F(DragBetweenAreas, AutoScrollShowsWhatAFullRedrawShows) {
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(right, nullptr);
  Logged("OBJECT SET DRAG AND DROP OPTIONS(gRight;False;False;True;False)\n"
         "ASSERT(ZV_SetAreaBackgroundColor(gRight;0x2040A0)=0)\n"
         "ASSERT(ZV_SetCellCaption(gRight;\"String(gZVCurrentCell)\";0;20;60;40;\"\")=0)\n"
         "ASSERT(ZV_SetNumCells(gRight;\"40\")=0)\nIDLE\n"
         // Resting in the bottom zone long enough for a few steps.
         "HOST DRAG(gW2;100;100;100;190;10;44)\n");
  const float scrolled = -right->GetOrigin().y;
  EXPECT_GT(scrolled, 0);
  EXPECT_LT(scrolled, 200) << "a few steps, not a jump";
  const FDDeviceContext* dc = GetDC(zvhost::HostWindow(2));
  ASSERT_NE(dc, nullptr);
  const auto* pixels = reinterpret_cast<const unsigned char*>(dc->fPixels);
  const std::vector<unsigned char> shifted(pixels, pixels + dc->fRowBytes * dc->fHeight);
  right->RedrawContentViewImmediately();
  EXPECT_TRUE(std::equal(shifted.begin(), shifted.end(), pixels));
}

} // namespace

namespace {

// A draggable grid hands its object to the host's drag; the droppable grid under the release
// keeps the place for its object method.
TEST_F(DragBetweenAreas, TheHostDragOfADraggableGridDropsOnAnotherGrid) {
  ZorvinArea* right = AreaIn(2);
  ASSERT_NE(right, nullptr);
  const std::string logged =
      Logged("OBJECT SET DRAG AND DROP OPTIONS(gLeft;True;False;False;False)\n"
             "OBJECT SET DRAG AND DROP OPTIONS(gRight;False;False;True;False)\n"
             "MOUSE DRAG(gW1;40;40;555;40)\n");
  // Begin drag over where the pointer enters (before cell 1), drag over, then the drop before
  // cell 3.
  EXPECT_EQ(logged.substr(0, logged.find('\n') + 1), "46\t0\t1\n");
  EXPECT_EQ(logged.substr(logged.rfind('\n', logged.size() - 2) + 1), "16\t0\t3\n");
  EXPECT_TRUE(ZorvinAreaTestAccess::PendingEvents(*right).empty()) << "no internal drop";
  EXPECT_FALSE(AnyInRow(2, 0, 300, 40, kGreen));
}

} // namespace
