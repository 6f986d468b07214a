// Both halves of the call channel at once: the emulated client host delivers what the plug-in
// sends to the server back to the plug-in's own server side.
#include <gtest/gtest.h>

#include <string>

#include "PluginFixture.h"
#include "RecordingPlug.h"

namespace {

class LoopbackChannel : public PluginTest {
protected:
  void SetUp() override {
    InitPlugin(zvhost::ProgramMode::Client, 0x1400);
    zvhost::SetPluginEntry(FourDPackex);
    ASSERT_EQ(zvhost::ConnectLoopbackClient(), 1);
  }
  void TearDown() override {
    zvhost::DisconnectLoopbackClient();
    zvhost::SetPluginEntry(nullptr);
    PluginTest::TearDown();
  }

  RecordingPlug fPlug;
};

} // namespace

TEST_F(LoopbackChannel, ProcedureAndFunctionReachTheServerSide) {
  EXPECT_EQ(fPlug.fConnected, std::vector<int32_t>{zvhost::kLoopbackCookie});
  EXPECT_EQ(FourDPlug::CallProcOnServer(12, "args", 4), 0);
  EXPECT_EQ(fPlug.fProcData, std::vector<std::string>{"args"});
  FDHandle reply = nullptr;
  EXPECT_EQ(FourDPlug::CallFuncOnServer(9, "abc", 3, &reply), 0);
  EXPECT_EQ(RecordingPlug::Bytes(reply), "cba");
  FourD::DisposeHandle(reply);
  EXPECT_EQ(fPlug.fFuncSelectors, std::vector<int16_t>{9});
  EXPECT_EQ(fPlug.CountServerCalls(), 0);
  EXPECT_EQ(fPlug.GetLastCallID(), 2);
}
