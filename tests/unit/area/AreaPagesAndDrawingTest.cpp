#if ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include <vector>

#include "AreaTestFixture.h"

using Calls = std::vector<std::string>;

TEST_F(AreaTest, TheFirstEventOfAnyKindSetsTheAreaUpBeforeItIsHandled) {
  for (uint16_t what : {0, 1, 6, 99}) {
    int32_t ref = NewAreaRef(1);
    RecordingArea* area = fManager.AreaOf(ref);
    Send(area, what, 0);
    ASSERT_GE(area->fCalls.size(), 3u) << what;
    EXPECT_EQ(Calls(area->fCalls.begin(), area->fCalls.begin() + 3),
              (Calls{"PostInitArea14", "HandleDataFromField", "DoSwitchPageIn"}))
        << what;
    area->fCalls.clear();
    Send(area, kAreaIdle);
    EXPECT_EQ(area->fCalls, Calls{"DoIdle"}) << "only once";
  }
}

TEST_F(AreaTest, WhichPagesStartOnTheCurrentPage) {
  struct PageRow {
    int16_t fPage;
    intptr_t fWhen; // of the init event; -1: an external window
    bool fOnPage;
  };
  const PageRow rows[] = {{0, 0, true},  {1, 0, true},  {-2, 0, true},
                          {2, 0, false}, {2, -1, true}, {7, -1, true}};
  for (const PageRow& row : rows) {
    int32_t ref = NewAreaRef(row.fPage, row.fWhen);
    RecordingArea* area = fManager.AreaOf(ref);
    Send(area, kAreaIdle);
    EXPECT_EQ(area->OnCurrentPage(), row.fOnPage) << row.fPage << " " << row.fWhen;
    EXPECT_EQ(area->fCalls[2], row.fOnPage ? "DoSwitchPageIn" : "DoSwitchPageOut");
  }
}

TEST_F(AreaTest, AStandaloneZoneOfTheFirstProcessCountsAsOnItsPage) {
  EventRecord event{kAreaInit, 0, 0, {}, 0};
  int32_t ref = 0;
  fManager.DispatchEvent(&event, &fRect, u16(u"__zone__"), nullptr, &ref);
  RecordingArea* area = fManager.AreaOf(ref);
  area->Params().fPage = 3;
  area->Params().fProcess = 1;
  Send(area, kAreaIdle);
  EXPECT_TRUE(area->OnCurrentPage());
  EXPECT_TRUE(area->InStandaloneWindow());
  EXPECT_FALSE(area->IsDraggable());
  EXPECT_FALSE(area->IsDroppable());
}

TEST_F(AreaTest, AnAreaOnPageTwoSwitchesInWhenItsPageComesUp) {
  RecordingArea* area = NewArea(2);
  EXPECT_FALSE(area->OnCurrentPage());
  Send(area, kAreaPageChange, 0, 2, Point{1, 0});
  EXPECT_TRUE(area->OnCurrentPage());
  Send(area, kAreaPageChange, 0, 1, Point{1, 0});
  EXPECT_FALSE(area->OnCurrentPage());
  EXPECT_EQ(area->fCalls, (Calls{"DoSwitchPageIn", "DoSwitchPageOut"}));
}

TEST_F(AreaTest, AnAreaOnEveryPageOnlyFollowsVisibility) {
  RecordingArea* area = NewArea(0);
  EXPECT_TRUE(area->IsAreaVisible());
  Send(area, kAreaPageChange, 0, 3, Point{0, 0});
  Send(area, kAreaPageChange, 0, 3, Point{0, 0});
  Send(area, kAreaPageChange, 0, 1, Point{1, 0});
  EXPECT_EQ(area->fCalls, (Calls{"DidBecomeInvisible", "DidBecomeVisible"}));
  EXPECT_TRUE(area->OnCurrentPage());
}

TEST_F(AreaTest, VisibilityEventsReportOnlyChanges) {
  RecordingArea* area = NewArea();
  for (int16_t flag : {1, 0, 0, 5, 1}) {
    Send(area, kAreaVisibilityChange, 7, 0, Point{flag, 0});
  }
  EXPECT_EQ(area->fCalls, (Calls{"DidBecomeInvisible", "DidBecomeVisible"}));
}

namespace {

// A small host device context the update event hands over.
struct Surface {
  explicit Surface(int width, int height)
      : fPixels(static_cast<size_t>(width) * height, 0xFFFFFFFF),
        fContext{width, height, width * 4, fPixels.data()} {}
  uint32_t At(int x, int y) const { return fPixels[static_cast<size_t>(y) * fContext.fWidth + x]; }

  std::vector<uint32_t> fPixels;
  FDDeviceContext fContext;
};

} // namespace

TEST_F(AreaTest, UpdatesDrawOnlyVisibleAreasOnTheirPage) {
  Surface surface(240, 130);
  auto dc = reinterpret_cast<intptr_t>(&surface.fContext);
  RecordingArea* onPage = NewArea(1);
  Send(onPage, kAreaUpdate, dc);
  Send(onPage, kAreaUpdate, 0); // no device context: nothing to draw on
  EXPECT_EQ(onPage->fCalls, Calls{"DoDraw"});

  RecordingArea* offPage = NewArea(2);
  Send(offPage, kAreaUpdate, dc);
  RecordingArea* hidden = NewArea(1);
  Send(hidden, kAreaVisibilityChange, 0, 0, Point{0, 0});
  hidden->fCalls.clear();
  Send(hidden, kAreaUpdate, dc);
  EXPECT_TRUE(offPage->fCalls.empty());
  EXPECT_TRUE(hidden->fCalls.empty());
}

TEST_F(AreaTest, UpdateWithDataReloadsFirstAndPrintingAreasPrint) {
  Surface surface(240, 130);
  auto dc = reinterpret_cast<intptr_t>(&surface.fContext);
  RecordingArea* area = NewArea();
  Send(area, kAreaUpdate, dc, 2);
  EXPECT_EQ(area->fCalls, (Calls{"HandleDataFromField", "DoDraw"}));
  area->fCalls.clear();
  area->Params().fPrinting = 255;
  Send(area, kAreaUpdate, dc);
  EXPECT_EQ(area->fCalls, Calls{"DoPrint"});
}

TEST_F(AreaTest, AFocusedAreaDrawsItsFrameInTheHighlightColour) {
  Surface surface(240, 130);
  RecordingArea* area = NewArea();
  Send(area, kAreaEndExecutionCycle); // area at left 20, top 10, 200 x 100
  Send(area, kAreaFocusGained);
  area->fCalls.clear();
  Send(area, kAreaUpdate, reinterpret_cast<intptr_t>(&surface.fContext));
  EXPECT_EQ(area->fCalls, (Calls{"DoDraw", "DrawFocusFrame"}));
  const uint32_t highlight = 0xFF0078D7;
  EXPECT_EQ(surface.At(17, 60), highlight);  // left edge, 3 outside the area
  EXPECT_EQ(surface.At(120, 7), highlight);  // top edge
  EXPECT_EQ(surface.At(223, 60), highlight); // right edge
  EXPECT_EQ(surface.At(120, 60), 0xFFFFFFFFu) << "the inside stays untouched";
}

TEST_F(AreaTest, InvalidationsStayOnThePageAndSkipEmptyRectangles) {
  RecordingArea* area = NewArea();
  Send(area, kAreaEndExecutionCycle);
  Rect empty{10, 10, 10, 50};
  AreaTestHost::sInvalidations.clear();
  area->DoInvalidate();
  area->DoInvalAreaRect(&empty);
  area->DoInvalAreaSubRect(CGRectMake(5, 6, 10, 20));
  area->DoInvalidateImmediately();
  area->DoInvalAreaRectImmediately(&empty);
  area->DoInvalAreaSubRectImmediately(CGRectMake(-1e9f, -1e9f, 4, 4)); // clamped, not undefined
  const auto& seen = AreaTestHost::sInvalidations;
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_TRUE(seen[0].fWhole);
  EXPECT_FALSE(seen[0].fImmediately);
  EXPECT_EQ(seen[1].fRect.top, 16);
  EXPECT_EQ(seen[1].fRect.left, 25);
  EXPECT_EQ(seen[1].fRect.bottom, 36);
  EXPECT_EQ(seen[1].fRect.right, 35);
  EXPECT_TRUE(seen[2].fImmediately);
  EXPECT_EQ(seen[2].fRect.right, 220); // the area rectangle stands for the whole area
  EXPECT_EQ(seen[3].fRect.left, -32768);
  EXPECT_EQ(seen[3].fRect.bottom, -32764);

  RecordingArea* offPage = NewArea(2);
  AreaTestHost::sInvalidations.clear();
  offPage->DoInvalidate();
  EXPECT_TRUE(AreaTestHost::sInvalidations.empty());
}

TEST_F(AreaTest, DoubleClicksAreCloseInPlaceAndTime) {
  RecordingArea* area = NewArea();
  Send(area, kAreaMouseDown, 0, 1000, Point{50, 50});
  const uint32_t dbl = GetDblTime();
  struct ClickRow {
    int16_t v, h;
    intptr_t when;
    bool fDouble;
  };
  const ClickRow rows[] = {{54, 46, 1000 + static_cast<intptr_t>(dbl), true},
                           {55, 50, 1001, false},
                           {50, 45, 1001, false},
                           {50, 50, 1001 + static_cast<intptr_t>(dbl), false}};
  for (const ClickRow& row : rows) {
    EventRecord event{kAreaMouseDown, 0, row.when, Point{row.v, row.h}, 0};
    EXPECT_EQ(area->IsDoubleClick(&event), row.fDouble) << row.v << "," << row.h << " " << row.when;
  }
}

TEST_F(AreaTest, DragOptionsFallBackToTheSetupRecordWhenTheHostHasNone) {
  RecordingArea* area = NewArea();
  area->Params().fDraggable = 1;
  area->Params().fDroppable = 0;
  // The emulator knows no form object, so its options cannot be read.
  EXPECT_TRUE(area->IsDraggable());
  EXPECT_FALSE(area->IsDroppable());
  area->Params().fExternalWindow = 1;
  EXPECT_FALSE(area->IsDraggable());
}

#endif
