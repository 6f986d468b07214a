#include "tests/unit/host/HostTestSupport.h"

namespace {

using hosttest::HostTest;

TEST_F(HostTest, InitAnswersTheHostAndKeepsItsEntryAndVersion) {
  Bind(zvhost::ProgramMode::SingleUser, 0x00A51400);
  EXPECT_EQ(fInitBlock.fPluginReply, 0x1400u);
  EXPECT_EQ(FourD::fVersion, 0x1400u);
  EXPECT_EQ(FourD::fCallBack11Address, zvhost::CallBackEntry());
  EXPECT_TRUE(FourD::IsInitialized());
  EXPECT_EQ(FourD::fProcResId, zvhost::kPluginResourceID);
  EXPECT_EQ(FourD::fStartupProcess, 1);
  EXPECT_EQ(FourD::fBuggyStandardWindowCompat, nullptr);
}

TEST_F(HostTest, ProgramFlagsTellClientServerAndSingleUserApart) {
  struct Case {
    zvhost::ProgramMode mode;
    uint32_t version;
    bool client;
    bool server;
  } cases[] = {
      {zvhost::ProgramMode::SingleUser, 0x1400, false, false},
      {zvhost::ProgramMode::Client, 0x1400, true, false},
      {zvhost::ProgramMode::Server, 0x1400, false, true},
      {zvhost::ProgramMode::Client, 0x1130, true, false}, // asked without the request code
  };
  for (const Case& c : cases) {
    Bind(c.mode, c.version);
    EXPECT_EQ(FourD::Is4DClient(), c.client) << c.version;
    EXPECT_EQ(FourD::Is4DServer(), c.server) << c.version;
    EXPECT_FALSE(FourD::IsCompiled());
  }
}

TEST_F(HostTest, DeinitKeepsTheEntryForLateReleases) {
  FourD::Deinit();
  EXPECT_TRUE(FourD::IsInitialized());
  FDHandle handle = FourD::NewHandle(4);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(FourD::DisposeHandle(handle), 0);
}

} // namespace
