#include <gtest/gtest.h>

#include "ParamBlock.h"
#include "PluginFixture.h"
#include "RecordingPlug.h"
#include "plugin/ZorviPlug.h"

namespace {

class Dispatch : public PluginTest {
protected:
  RecordingPlug fPlug; // installed before SetUp initialises through the entry point
};

} // namespace

TEST(Entry, InitialisationAnswersTheHostAndTakesItsResourceID) {
  gPlugInfo.fReserved2 = 7;
  zvhost::ResetHost();
  FDPackInitBlock init{};
  init.fHostVersion = 0x1400;
  init.fCallBack = zvhost::CallBackEntry();
  FourDPackex(kFDInitPlugin, &init, nullptr, nullptr);
  EXPECT_EQ(init.fPluginReply, 0x1400u);
  EXPECT_EQ(gPlugInfo.fResourceID, zvhost::kPluginResourceID);
  EXPECT_EQ(gPlugInfo.fReserved2, 0);
  EXPECT_FALSE(gZorviPlug.IsBigInitDone());
  FourDPackex(kFDDeinitPlugin, nullptr, nullptr, nullptr);
  EXPECT_EQ(zvhost::CountLiveObjects().Total(), 0);
}

TEST(Entry, DoesNothingWithoutAPlugInObject) {
  FourDPlug* saved = gFourDPlug;
  gFourDPlug = nullptr;
  FDPackInitBlock init{};
  init.fCallBack = zvhost::CallBackEntry();
  FourDPackex(kFDInitPlugin, &init, nullptr, nullptr);
  int32_t flags = 5;
  void* params[] = {&flags, &flags};
  intptr_t result = 99;
  FourDPackex(5, params, nullptr, &result);
  gFourDPlug = saved;
  EXPECT_EQ(init.fPluginReply, 0u);
  EXPECT_EQ(result, 99);
  EXPECT_EQ(flags, 5);
}

TEST_F(Dispatch, SelectorsWithoutACommandLeaveTheResultCell) {
  int32_t cells[4] = {1, 2, 3, 4};
  void* params[] = {&cells[0], &cells[1], &cells[2], &cells[3]};
  for (int32_t selector : {0, 2, 3, 24, 77, 86, 1000, -5, -100, -208, -300}) {
    intptr_t result = ParamBlock::kResultSentinel;
    FourDPackex(selector, params, nullptr, &result);
    EXPECT_EQ(result, ParamBlock::kResultSentinel) << "selector " << selector;
  }
  EXPECT_EQ(cells[1], 2);
}

TEST_F(Dispatch, ProcessSelectorsPassTheBlockPointerAsProcessNumber) {
  FourDPackex(kFDProcessStart, reinterpret_cast<void*>(intptr_t{12}), nullptr, nullptr);
  FourDPackex(kFDProcessEnd, reinterpret_cast<void*>(intptr_t{13}), nullptr, nullptr);
  EXPECT_EQ(fPlug.fStarted, std::vector<int32_t>{12});
  EXPECT_EQ(fPlug.fEnded, std::vector<int32_t>{13});
}

TEST_F(Dispatch, AnIncompleteParameterBlockAnswersMinus50) {
  intptr_t result = 0;
  FourDPackex(5, nullptr, nullptr, &result); // ZV_GetAreaFlags
  EXPECT_EQ(result, -50);
  int32_t area = 1;
  void* params[] = {&area, nullptr};
  result = 0;
  FourDPackex(5, params, nullptr, &result);
  EXPECT_EQ(result, -50);
  int32_t flags = 3;
  void* complete[] = {&area, &flags};
  FourDPackex(5, complete, nullptr, nullptr); // no result cell: nothing to answer in
  EXPECT_EQ(flags, 3);
}

TEST_F(Dispatch, AreaCommandWritesNoResultAndSurvivesAMissingBlock) {
  EventRecord event{};
  event.what = 6; // update
  Rect rect{0, 0, 100, 100};
  FDStringBlock name{}, unused{}, object{};
  int32_t refCell = 0;
  void* params[] = {&event, &rect, &name, &refCell, &unused, &object};
  intptr_t result = ParamBlock::kResultSentinel;
  FourDPackex(kFDAreaCommand, params, nullptr, &result);
  EXPECT_EQ(result, ParamBlock::kResultSentinel);
  FourDPackex(kFDAreaCommand, nullptr, nullptr, &result);
  EXPECT_EQ(result, ParamBlock::kResultSentinel);
}

TEST_F(Dispatch, ReinitialisingStartsWithEmptyRegistries) {
  ReadWriteBlock block{};
  block.fCookie = 4;
  int32_t answer = 0;
  FourDPackex(kFDClientConnect, &block, nullptr, &answer);
  ASSERT_EQ(fPlug.CountClients(), 1);
  InitPlugin(zvhost::ProgramMode::Server, 0x1400);
  EXPECT_EQ(fPlug.CountClients(), 0);
  FourDPackex(kFDClientConnect, &block, nullptr, &answer);
  FourDPackex(kFDDeinitPlugin, nullptr, nullptr, nullptr);
  EXPECT_EQ(fPlug.CountClients(), 0);
}
