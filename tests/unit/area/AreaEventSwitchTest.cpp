#if ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include "AreaTestFixture.h"
#include "gfx/GfxTypes.h"

namespace {

using Calls = std::vector<std::string>;
using Answers = RecordingArea::Answers;

Answers Focusable() {
  Answers a;
  a.fFocusable = true;
  return a;
}

struct SwitchRow {
  const char* fName;
  uint16_t fWhat;
  Answers fAnswers;
  Calls fCalls;
  intptr_t fMessage;   // after the event; 7 is what every event carries in
  uint16_t fModifiers; // after the event; 0x55 is what every event carries in
  intptr_t fMessageIn = 7;
};

Answers With(void (*set)(Answers&)) {
  Answers a;
  set(a);
  return a;
}

const SwitchRow kSwitchRows[] = {
    {"idle", 0, {}, {"DoIdle"}, 7, 0x55},
    {"mouse not taken", 1, {}, {"DoMouseDown", "IsFocusable"}, 112, 0x55},
    {"mouse taken by a focusable area",
     1,
     With([](Answers& a) { a.fTakesMouse = a.fFocusable = true; }),
     {"DoMouseDown", "IsFocusable", "DidEndExecutionCycle"},
     7,
     0x55},
    {"cursor", 18, {}, {"DoCursor 4,3"}, 7, 0x55},
    {"may take focus, focusable", 20, Focusable(), {"IsFocusable"}, 101, 0x55},
    {"may take focus, not focusable", 20, {}, {"IsFocusable"}, 0, 0x55},
    {"focus gained", 21, {}, {"DidReceiveFocus"}, 0, 0x55},
    {"focus lost", 22, {}, {"DidLooseFocus"}, 0, 0x55},
    {"scroll", 25, {}, {}, 7, 0x55},
    {"print variable frame",
     27,
     With([](Answers& a) { a.fPrintsFrame = true; }),
     {"HandleDataFromField", "PrintVariableFrame"},
     104,
     0x55},
    {"fixed print frame", 27, {}, {"HandleDataFromField", "PrintVariableFrame"}, 0, 0x55},
    {"print size", 28, With([](Answers& a) { a.fPrintSize = 42; }), {"GetPrintSize"}, 42, 0x55},
    {"print band", 29, {}, {}, 7, 0x55},
    {"undo", 30, {}, {"DoUndo"}, 7, 0x55},
    {"cut", 31, {}, {"DoCut"}, 7, 0x55},
    {"copy", 32, {}, {"DoCopy"}, 7, 0x55},
    {"paste", 33, {}, {"DoPaste"}, 7, 0x55},
    {"clear", 34, {}, {"DoClear"}, 7, 0x55},
    {"select all", 35, {}, {"DoSelectAll"}, 7, 0x55},
    {"wheel not taken, negative delta", 39, {}, {"DoScrollWheelEvent 4,3,-2"}, 112, 0x55, 0x3FFFE},
    {"wheel taken",
     39,
     With([](Answers& a) { a.fTakesWheel = true; }),
     {"DoScrollWheelEvent 4,3,5"},
     5,
     0x55,
     5},
    {"edit menu status", 43, {}, {"GetEditMenuStatus"}, 7, 0x55},
    {"save data", 70, {}, {"HandleDataToField"}, 7, 0x55},
    {"end of cycle, redraw wanted",
     72,
     With([](Answers& a) { a.fEndCycle = true; }),
     {"DidEndExecutionCycle"},
     7,
     1},
    {"end of cycle, nothing to do", 72, {}, {"DidEndExecutionCycle"}, 7, 0x55},
    {"drag refused", 80, {}, {"CanAcceptDrag"}, 7, 1},
    {"drag accepted", 80, With([](Answers& a) { a.fAcceptsDrag = true; }), {"CanAcceptDrag"}, 7, 0},
    {"drop", 82, {}, {"DoDrop"}, 7, 0x55},
    {"drag began", 85, {}, {"DidBeginDrag 4,3"}, 7, 0x55},
    {"init reaching an area", 16, {}, {}, 112, 0x55},
    {"unknown event", 99, {}, {}, 112, 0x55},
};

class AreaEventSwitch : public AreaTest, public ::testing::WithParamInterface<SwitchRow> {};

} // namespace

TEST_P(AreaEventSwitch, CallsOneOperationAndWritesItsReply) {
  const SwitchRow& row = GetParam();
  RecordingArea* area = NewArea();
  ASSERT_NE(area, nullptr);
  area->fAnswers = row.fAnswers;
  EventRecord event{row.fWhat, row.fMessageIn, 0, Point{3, 4}, 0x55};
  area->HandleEvent(&event, &fRect);
  EXPECT_EQ(area->fCalls, row.fCalls);
  EXPECT_EQ(event.message, row.fMessage);
  EXPECT_EQ(event.modifiers, row.fModifiers);
}

INSTANTIATE_TEST_SUITE_P(Events, AreaEventSwitch, ::testing::ValuesIn(kSwitchRows),
                         [](const auto& info) {
                           std::string name = info.param.fName;
                           for (char& c : name) {
                             if (!isalnum(static_cast<unsigned char>(c))) {
                               c = '_';
                             }
                           }
                           return name;
                         });

namespace {

struct DragOverRow {
  int32_t fResult;
  bool fNotTaken;
  uint16_t fModifiers;
};

} // namespace

TEST_F(AreaTest, DragOverMapsTheAreaResultToTheReply) {
  const DragOverRow rows[] = {{-1, false, 0}, {0, true, 0}, {3, false, 0x55}};
  for (const DragOverRow& row : rows) {
    RecordingArea* area = NewArea();
    area->fAnswers.fDragResult = row.fResult;
    Rect dragRecord[2] = {{5, 6, 25, 46}, {}}; // the record opens with a Rect
    auto address = reinterpret_cast<intptr_t>(&dragRecord[0]);
    EventRecord event = Send(area, kAreaDragOver, address, 0, Point{30, 40});
    EXPECT_EQ(area->fCalls, Calls{"DoDragOver 40,30 6,5,40,20"}) << row.fResult;
    EXPECT_EQ(event.message, row.fNotTaken ? 112 : address) << row.fResult;
    EXPECT_EQ(event.modifiers, row.fModifiers) << row.fResult;
  }
}

TEST_F(AreaTest, DragOverWithoutARecordIsNotTaken) {
  RecordingArea* area = NewArea();
  area->fAnswers.fDragResult = 3;
  EventRecord event = Send(area, kAreaDragOver, 0);
  EXPECT_TRUE(area->fCalls.empty());
  EXPECT_EQ(event.message, 112);
  EXPECT_EQ(event.modifiers, 0);
}

TEST_F(AreaTest, KeysTakeTheirCodesFromTheHost) {
  struct KeyRow {
    bool fAvailable;
    int32_t fKeyCode, fCharCode;
    uint16_t fModifiers;
    intptr_t fMessage;
    Calls fCalls;
  };
  const KeyRow rows[] = {
      {true, 0x7E, 0x1E, 0, 0, {"DoKey 30,126,0"}},
      // Command-key shortcuts without a key code take the character from the event.
      {true, 0, 0, kFDCommandKeyMask, 0x261, {"DoKey 97,0,256"}},
      {true, -1, 5, kFDCommandKeyMask, 0x62, {"DoKey 98,-1,256"}},
      {true, 0, 0, 0, 0x61, {}}, // nothing to report
      {false, 0x7E, 0x1E, 0, 0, {}},
  };
  for (const KeyRow& row : rows) {
    RecordingArea* area = NewArea();
    AreaTestHost::sKeyInfoAvailable = row.fAvailable;
    AreaTestHost::sKeyCode = row.fKeyCode;
    AreaTestHost::sCharCode = row.fCharCode;
    EventRecord event = Send(area, kAreaKeyDown, row.fMessage, 0, {0, 0}, row.fModifiers);
    EXPECT_EQ(area->fCalls, row.fCalls) << row.fKeyCode << " " << row.fMessage;
    EXPECT_EQ(event.message, 112) << "not taken";
  }
}

TEST_F(AreaTest, TakenKeyInAFocusableAreaEndsTheCycleWithTheAreaRect) {
  RecordingArea* area = NewArea();
  area->fAnswers.fTakesKey = area->fAnswers.fFocusable = true;
  AreaTestHost::sKeyInfoAvailable = true;
  AreaTestHost::sKeyCode = 0x24;
  EventRecord event = Send(area, kAreaAutoKey, 9);
  EXPECT_EQ(area->fCalls, (Calls{"DoKey 0,36,85", "IsFocusable", "DidEndExecutionCycle"}));
  EXPECT_EQ(event.message, 9);
}

TEST_F(AreaTest, EditMenuStatusGoesToTheHostAsOneWord) {
  RecordingArea* area = NewArea();
  area->fAnswers.fCopyEnabled = 1;
  Send(area, kAreaEditMenuStatus);
  EXPECT_EQ(AreaTestHost::sEditMenuItems, std::vector<int32_t>{0x24}); // copy and select all
}

TEST_F(AreaTest, FocusChangesRepaintAFrameThreePixelsOutsideTheArea) {
  RecordingArea* area = NewArea();
  Send(area, kAreaEndExecutionCycle);
  AreaTestHost::sInvalidations.clear();
  Send(area, kAreaFocusGained);
  EXPECT_TRUE(area->IsFocused());
  Send(area, kAreaFocusLost);
  EXPECT_FALSE(area->IsFocused());
  ASSERT_EQ(AreaTestHost::sInvalidations.size(), 2u);
  for (const Invalidation& seen : AreaTestHost::sInvalidations) {
    EXPECT_EQ(seen.fAreaRef, area->GetAreaRef());
    EXPECT_TRUE(seen.fImmediately);
    EXPECT_EQ(seen.fRect.top, 7);
    EXPECT_EQ(seen.fRect.left, 17);
    EXPECT_EQ(seen.fRect.bottom, 113);
    EXPECT_EQ(seen.fRect.right, 223);
  }
}

TEST_F(AreaTest, EndOfCycleRecordsTheAreaRect) {
  RecordingArea* area = NewArea();
  Rect moved{1, 2, 30, 40};
  EventRecord event{kAreaEndExecutionCycle, 0, 0, {}, 0};
  area->HandleEvent(&event, &moved);
  CGRect rect = area->GetAreaCGRect();
  EXPECT_EQ(rect.origin.x, 2);
  EXPECT_EQ(rect.origin.y, 1);
  EXPECT_EQ(rect.size.width, 38);
  EXPECT_EQ(rect.size.height, 29);
  EXPECT_EQ(area->GetBounds().origin.x, 0);
  gfx::RectF drawing = area->GetAreaGDIPlusRectF();
  EXPECT_EQ(drawing.GetRight(), 40);
  EXPECT_EQ(drawing.GetBottom(), 30);
  EXPECT_EQ(area->GetAreaGDIPlusRect().Width, 38);
  area->HandleEvent(&event, nullptr); // a missing rectangle keeps the last one
  EXPECT_EQ(area->GetAreaCGRect().size.width, 38);
}

#endif
