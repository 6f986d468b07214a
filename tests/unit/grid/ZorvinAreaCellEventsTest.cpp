// Posted cell events reach the handler one per idle, oldest first, filtered by the mask, and
// never once the area is closed; the handler's parameters are the area, the code and the cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "tests/unit/host/HostTestSupport.h"
#include "zvhost/Host.h"

namespace {

class ZorvinAreaCellEvents : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    zvhost::SetLogSink([this](const std::string& line) { fHeard.push_back(line); });
    ASSERT_EQ(zvhost::DefineMethod("Heard", "LOG($1=gRef;$2;$3)\n$0:=0"), 0);
    ASSERT_TRUE(InitZorvinArea());
    AreaParams params{};
    gZorvinAreaManager->HandleNewArea(&params, &fRef);
    fArea = static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(fRef));
    ASSERT_NE(fArea, nullptr);
    Run("gRef:=" + std::to_string(fRef));
  }

  void TearDown() override {
    DeinitZorvinArea();
    zvhost::SetLogSink(nullptr);
    HostTest::TearDown();
  }

  int32_t fRef = 0;
  ZorvinArea* fArea = nullptr;
  std::vector<std::string> fHeard;
};

TEST_F(ZorvinAreaCellEvents, PostedEventsComeOnePerIdleOldestFirst) {
  ASSERT_EQ(fArea->SetEventHandler(hosttest::U(u"Heard"), 0x10000), 0);
  fArea->PostCellEvent(16, 3);
  fArea->PostCellEvent(4, 9); // not in the mask: taken from the queue, not heard
  fArea->PostCellEvent(16, 5);
  for (int i = 0; i < 4; ++i) {
    fArea->DoIdle();
  }
  EXPECT_EQ(fHeard, (std::vector<std::string>{"True\t16\t3", "True\t16\t5"}));
}

TEST_F(ZorvinAreaCellEvents, AClosedAreaHearsNothingMore) {
  ASSERT_EQ(fArea->SetEventHandler(hosttest::U(u"Heard"), 0x10000), 0);
  fArea->PostCellEvent(16, 3);
  fArea->CloseArea();
  fArea->DoIdle();
  EXPECT_TRUE(fHeard.empty());
}

TEST_F(ZorvinAreaCellEvents, HandlersAreCheckedAndRemoved) {
  EXPECT_EQ(fArea->CallEventHandler(16, 1), -50);
  EXPECT_EQ(fArea->SetEventHandler(hosttest::U(u"Missing"), 0x10000), -50);
  EXPECT_EQ(fArea->SetEventHandler(hosttest::U(u"Heard"), 0x20), -50);
  ASSERT_EQ(fArea->SetEventHandler(hosttest::U(u"Heard"), 0x2010), 0);
  EXPECT_EQ(fArea->CallEventHandler(4, 7), 0);
  EXPECT_EQ(fArea->CallEventHandler(16, 7), 0); // masked out
  ASSERT_EQ(fArea->SetEventHandler(hosttest::U(u""), 0), 0);
  uint32_t mask = 1;
  EXPECT_EQ(fArea->GetEventHandler(&mask)[0], 0);
  EXPECT_EQ(mask, 0u);
  EXPECT_EQ(fArea->CallEventHandler(4, 8), -50);
  EXPECT_EQ(fHeard, (std::vector<std::string>{"True\t4\t7"}));
}

} // namespace
