#if ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "AreaTestFixture.h"
#include "area/AreaParamsBuilder.h"

using Calls = std::vector<std::string>;

TEST_F(AreaTest, PlainInitBuildsTheDefaultSetupRecord) {
  struct InitRow {
    intptr_t fMessage, fWhen;
    uint16_t fModifiers;
    uint8_t fFormKind, fPrinting;
    int16_t fTable;
    bool fExternal;
  };
  const InitRow rows[] = {{0, 0, 0, 0, 0, 0, false},       {-1, 0, 1, 1, 255, 0, false},
                          {-1, 0, 2, 2, 255, 0, false},    {-1, 0, 3, 0, 254, 0, false},
                          {0, 0x10005, 0, 0, 0, 5, false}, {0, -1, 0, 0, 0, -1, true}};
  for (const InitRow& row : rows) {
    EventRecord event{kAreaInit, row.fMessage, row.fWhen, {}, row.fModifiers};
    int32_t ref = 0;
    fManager.DispatchEvent(&event, &fRect, u16(u"grid"), u16(u"object"), &ref);
    RecordingArea* area = fManager.AreaOf(ref);
    ASSERT_NE(area, nullptr);
    const AreaParams& p = area->Params();
    EXPECT_EQ(p.fFormKind, row.fFormKind) << row.fModifiers;
    EXPECT_EQ(p.fPrinting, row.fPrinting) << row.fMessage << " " << row.fModifiers;
    EXPECT_EQ(p.fTable, row.fTable) << row.fWhen;
    EXPECT_EQ(area->InExternalWindow(), row.fExternal) << row.fWhen;
    EXPECT_EQ(p.fHostValue1, 3);
    EXPECT_EQ(p.fHostValue2, 9);
    EXPECT_EQ(p.fBackColor, 0xFFFFFF);
    EXPECT_EQ(p.fPage, 0);
    EXPECT_EQ(p.fProcess, 1);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(area->GetName())), u"grid");
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(p.fObjectName)), u"object");
  }
}

TEST_F(AreaTest, ExtendedInitReadsTheHostRecordAtItsOffsets) {
  unsigned char record[kInitRecordSize + 1] = {}; // one spare byte: field at offset 2 is odd
  unsigned char* at = record + 1;                 // and the record itself misaligned
  auto put = [&](int offset, auto value) { std::memcpy(at + offset, &value, sizeof value); };
  put(kInitHostValue1, int16_t{-4});
  put(kInitHostValue2, uint8_t{8});
  put(kInitHostValue4, int16_t{300});
  put(kInitForeColor, int32_t{0x112233});
  put(kInitBackColor, int32_t{0x00FF00});
  put(kInitFormKind, uint8_t{2});
  put(kInitPrinting, uint8_t{255});
  put(kInitPage, int16_t{3});
  put(kInitTable, int16_t{12});
  put(kInitDraggable, uint8_t{1});
  put(kInitWindow, uint32_t{0x4321});
  put(kInitHostValue7, int32_t{-9});
  EventRecord event{kAreaInitExtended, reinterpret_cast<intptr_t>(at), 0, {}, 0};
  int32_t ref = 0;
  fManager.DispatchEvent(&event, &fRect, u16(u"grid"), nullptr, &ref);
  EXPECT_EQ(event.modifiers, 1536);
  RecordingArea* area = fManager.AreaOf(ref);
  ASSERT_NE(area, nullptr);
  const AreaParams& p = area->Params();
  EXPECT_EQ(p.fHostValue1, -4);
  EXPECT_EQ(p.fHostValue2, 8);
  EXPECT_EQ(p.fHostValue4, 300);
  EXPECT_EQ(p.fForeColor, 0x112233);
  EXPECT_EQ(area->GetBackColor(), 0x00FF00);
  EXPECT_TRUE(area->InInputForm());
  EXPECT_TRUE(area->IsPrinting());
  EXPECT_EQ(p.fPage, 3);
  EXPECT_EQ(p.fTable, 12);
  EXPECT_EQ(p.fDraggable, 1);
  EXPECT_EQ(p.fDroppable, 0);
  EXPECT_EQ(area->GetMacWindow(), reinterpret_cast<void*>(uintptr_t{0x4321}));
  EXPECT_EQ(p.fPort, 0x4321) << "a port of 0 takes the window";
  EXPECT_EQ(p.fHostValue7, -9);
  EXPECT_EQ(p.fObjectName[0], 0);

  EventRecord missing{kAreaInitExtended, 0, 0, {}, 0};
  ref = 55;
  fManager.DispatchEvent(&missing, &fRect, nullptr, nullptr, &ref);
  EXPECT_EQ(ref, 0);
  EXPECT_EQ(missing.modifiers, 0);
}

TEST_F(AreaTest, ReferencesAreNeverZeroNorReusedAndForgedOnesFindNothing) {
  int32_t first = NewAreaRef(1);
  int32_t second = NewAreaRef(1);
  EXPECT_NE(first, 0);
  EXPECT_GT(second, first);
  EventRecord deinit{kAreaDeinit, 0, 0, {}, 0};
  int32_t cell = first;
  fManager.DispatchEvent(&deinit, &fRect, nullptr, nullptr, &cell);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ(fManager.IsAnArea(first), nullptr);
  EXPECT_GT(NewAreaRef(1), second);

  // Another manager, as after the plug-in was deinitialised: references keep counting.
  RecordingManager later;
  EventRecord init{kAreaInit, 0, 0, {}, 0};
  int32_t fresh = 0;
  later.DispatchEvent(&init, &fRect, nullptr, nullptr, &fresh);
  EXPECT_GT(fresh, second + 1);

  for (int32_t forged : {0, -1, first, second + 1000, INT32_MAX}) {
    EXPECT_EQ(fManager.IsAnArea(forged), nullptr) << forged;
  }
}

TEST_F(AreaTest, EventsForStaleOrForgedCellsReachNoArea) {
  RecordingArea* area = NewArea();
  int32_t forged = area->GetAreaRef() + 1;
  EventRecord event{kAreaIdle, 7, 0, {}, 0};
  fManager.DispatchEvent(&event, &fRect, nullptr, nullptr, &forged);
  fManager.DispatchEvent(&event, &fRect, nullptr, nullptr, nullptr);
  EXPECT_TRUE(area->fCalls.empty());
  EXPECT_EQ(event.message, 7);
  int32_t cell = area->GetAreaRef();
  fManager.DispatchEvent(&event, &fRect, nullptr, nullptr, &cell);
  EXPECT_EQ(area->fCalls, Calls{"DoIdle"});
  fManager.DispatchEvent(nullptr, &fRect, nullptr, nullptr, &cell); // ignored
}

TEST_F(AreaTest, DeinitClosesUnlinksAndDeletesTheArea) {
  int32_t ref = NewAreaRef(1);
  gAreaLifeLog.clear();
  EventRecord deinit{kAreaDeinit, 0, 0, {}, 0};
  int32_t cell = ref;
  fManager.DispatchEvent(&deinit, &fRect, nullptr, nullptr, &cell);
  std::string id = std::to_string(ref);
  EXPECT_EQ(gAreaLifeLog, (Calls{"close " + id, "delete " + id}));
  fManager.DispatchEvent(&deinit, &fRect, nullptr, nullptr, &cell); // a second one: nothing
  fManager.DispatchEvent(&deinit, &fRect, nullptr, nullptr, nullptr);
  EXPECT_EQ(gAreaLifeLog.size(), 2u);
  EXPECT_EQ(num_of_objects(fManager.GetAreaList()), 0);
}

TEST_F(AreaTest, AnAreaDeinitialisedFromInsideItsOwnEventLivesUntilTheEventReturns) {
  RecordingArea* area = NewArea();
  int32_t ref = area->GetAreaRef();
  std::string id = std::to_string(ref);
  int32_t cell = ref;
  bool listedDuring = true;
  area->fOnIdle = [&] {
    EventRecord deinit{kAreaDeinit, 0, 0, {}, 0};
    fManager.DispatchEvent(&deinit, &fRect, nullptr, nullptr, &cell);
    listedDuring = fManager.IsAnArea(ref) != nullptr;
    EXPECT_EQ(gAreaLifeLog, Calls{"close " + id});
    area->fCalls.push_back("still alive");
  };
  gAreaLifeLog.clear();
  Send(area, kAreaIdle);
  EXPECT_FALSE(listedDuring);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ(gAreaLifeLog, (Calls{"close " + id, "delete " + id}));
}

TEST_F(AreaTest, AnAreaThatCannotBeMadeLeavesAnEmptyCell) {
  fManager.fCreateFails = true;
  EventRecord init{kAreaInit, 0, 0, {}, 0};
  int32_t cell = 99;
  fManager.DispatchEvent(&init, &fRect, nullptr, nullptr, &cell);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ(num_of_objects(fManager.GetAreaList()), 0);
}

TEST_F(AreaTest, DeletingTheManagerClosesAndDeletesListedAreasInOrder) {
  auto manager = std::make_unique<RecordingManager>();
  EventRecord init{kAreaInit, 0, 0, {}, 0};
  int32_t a = 0, b = 0;
  manager->DispatchEvent(&init, &fRect, nullptr, nullptr, &a);
  manager->DispatchEvent(&init, &fRect, nullptr, nullptr, &b);
  gAreaLifeLog.clear();
  manager.reset();
  std::string ia = std::to_string(a), ib = std::to_string(b);
  EXPECT_EQ(gAreaLifeLog, (Calls{"close " + ia, "delete " + ia, "close " + ib, "delete " + ib}));
}

TEST_F(AreaTest, DoToAllAreasVisitsInListOrderWhileLookingAreasUp) {
  int32_t a = NewAreaRef(1), b = NewAreaRef(1), c = NewAreaRef(1);
  struct Walk {
    RecordingManager* fManager;
    std::vector<int32_t> fSeen;
  } walk{&fManager, {}};
  fManager.DoToAllAreas(
      [](CXArea* area, void* data) {
        auto* w = static_cast<Walk*>(data);
        w->fSeen.push_back(area->GetAreaRef());
        w->fManager->IsAnArea(w->fSeen.front()); // a look-up must not disturb the walk
      },
      &walk);
  EXPECT_EQ(walk.fSeen, (std::vector<int32_t>{a, b, c}));
}

TEST_F(AreaTest, FormEditorDrawingFindsTheDeviceContextInTheHostRecord) {
  std::vector<uint32_t> pixels(16 * 16, 0);
  FDDeviceContext dc{16, 16, 64, pixels.data()};
  unsigned char record[64] = {};
  FDDeviceContext* address = &dc;
  std::memcpy(record + 50, &address, sizeof address);
  EventRecord event{kAreaDrawStructure, 0, reinterpret_cast<intptr_t>(record), {}, 3};
  fManager.DispatchEvent(&event, &fRect, u16(u"grid"), nullptr, nullptr);
  EXPECT_EQ(fManager.fCalls, Calls{"DoDrawStructure14 3 named"});
  EXPECT_NE(fManager.fGraphics, nullptr);
  EXPECT_EQ(event.message, 102);

  fManager.fCalls.clear();
  unsigned char noContext[64] = {};
  EventRecord bare{kAreaDrawStructure, 0, reinterpret_cast<intptr_t>(noContext), {}, 0};
  fManager.DispatchEvent(&bare, &fRect, nullptr, nullptr, nullptr);
  EventRecord none{kAreaDrawStructure, 0, 0, {}, 0};
  fManager.DispatchEvent(&none, &fRect, nullptr, nullptr, nullptr);
  EXPECT_TRUE(fManager.fCalls.empty());
  EXPECT_EQ(bare.message, 0);
}

TEST_F(AreaTest, PropertyAndMenuIconEventsFollowTheManagersAnswers) {
  struct PropRow {
    uint16_t fWhat;
    bool fAdvanced;
    int32_t fIcon;
    intptr_t fMessage, fWhen;
    uint16_t fModifiers;
    Calls fCalls;
  };
  const PropRow rows[] = {
      {600, false, 0, 5, 0, 0x55, {}},
      {600, true, 0, 5, 0, 7, {"DoAdvancedProperties"}},
      {601, true, 0, 5, 0, 9, {"DisposeAdvancedProperties"}},
      {601, false, 0, 5, 0, 0x55, {}},
      {603, true, 0, 603, 0, 0x55, {}},
      {603, false, 0, 0, 0, 0x55, {}},
      {604, false, 0, 5, 0, 0x55, {}},
      {604, false, 88, 604, 88, 0x55, {}},
      {605, false, 0, 5, 0, 0x55, {"DoDesignInit"}},
  };
  for (const PropRow& row : rows) {
    fManager.fCalls.clear();
    fManager.fAdvanced = row.fAdvanced;
    fManager.fMenuIcon = row.fIcon;
    EventRecord event{row.fWhat, 5, 0, {}, 0x55};
    fManager.DispatchEvent(&event, &fRect, nullptr, nullptr, nullptr);
    EXPECT_EQ(event.message, row.fMessage) << row.fWhat;
    EXPECT_EQ(event.when, row.fWhen) << row.fWhat;
    EXPECT_EQ(event.modifiers, row.fModifiers) << row.fWhat;
    EXPECT_EQ(fManager.fCalls, row.fCalls) << row.fWhat;
  }
}

#endif
