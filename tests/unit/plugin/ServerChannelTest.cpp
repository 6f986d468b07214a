#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>

#include <string>

#include "PluginFixture.h"
#include "RecordingPlug.h"

namespace {

class ServerChannel : public PluginTest {
protected:
  void SetUp() override { InitPlugin(zvhost::ProgramMode::Server, 0x1400); }

  int32_t Connect(int32_t cookie, int32_t process = 0) {
    ReadWriteBlock block{};
    block.fCookie = cookie;
    block.fProcessNumber = process;
    int32_t answer = -1;
    FourDPackex(kFDClientConnect, &block, nullptr, &answer);
    return answer;
  }

  void Disconnect(int32_t cookie) {
    ReadWriteBlock block{};
    block.fCookie = cookie;
    FourDPackex(kFDClientDisconnect, &block, nullptr, nullptr);
  }

  void Write(int32_t cookie, int32_t callID, int16_t selector, const std::string& data) {
    int32_t size = static_cast<int32_t>(data.size());
    ReadWriteBlock block{callID, selector, &size, cookie, 0};
    const void* bytes = data.data();
    FourDPackex(kFDServerWrite, &block, nullptr, &bytes);
  }

  // The bytes the server answers, or "<null>".
  std::string Read(int32_t callID, int16_t selector, void** answer = nullptr) {
    int32_t size = -1;
    ReadWriteBlock block{callID, selector, &size, kCookie, 0};
    void* reply = nullptr;
    FourDPackex(kFDServerRead, &block, nullptr, &reply);
    if (answer != nullptr) {
      *answer = reply;
    }
    if (reply == nullptr) {
      EXPECT_EQ(size, 0);
      return "<null>";
    }
    return std::string(static_cast<const char*>(reply), size);
  }

  void Cleanup(int32_t callID, void* data) {
    ReadWriteBlock block{callID, 0, nullptr, kCookie, 0};
    FourDPackex(kFDServerCleanup, &block, nullptr, &data);
  }

  // The next call ID the server hands out.
  int32_t RequestCallID() {
    void* buffer = nullptr;
    const std::string id = Read(0, -1, &buffer);
    EXPECT_EQ(id.size(), 4u);
    Cleanup(0, buffer);
    const auto* b = reinterpret_cast<const unsigned char*>(id.data());
    return static_cast<int32_t>(uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 |
                                b[3]);
  }

  static std::string Units(const PA_Unichar* text) {
    std::string out;
    for (; *text != 0; ++text) {
      out += static_cast<char>(*text);
    }
    return out;
  }

  static constexpr int32_t kCookie = 31;
  RecordingPlug fPlug;
};

} // namespace

TEST_F(ServerChannel, ConnectingTwiceListsTheClientOnce) {
  EXPECT_EQ(Connect(kCookie, 5), 1);
  EXPECT_EQ(Connect(kCookie, 5), 1);
  EXPECT_EQ(fPlug.CountClients(), 1);
  EXPECT_EQ(fPlug.fConnected, std::vector<int32_t>{kCookie});
  ASSERT_NE(fPlug.FindClient(kCookie), nullptr);
  EXPECT_EQ(fPlug.FindClient(kCookie)->fProcessNumber, 5);
  EXPECT_EQ(fPlug.FindClient(kCookie)->fUserName[0], 0);
}

TEST_F(ServerChannel, ARefusedClientIsNotListed) {
  fPlug.fRefusedCookie = 8;
  EXPECT_EQ(Connect(8), 0);
  EXPECT_EQ(fPlug.CountClients(), 0);
  EXPECT_TRUE(fPlug.fConnected.empty());
}

TEST_F(ServerChannel, DisconnectingRemovesOnlyThatClient) {
  Connect(1);
  Connect(2);
  Disconnect(3);
  EXPECT_EQ(fPlug.CountClients(), 2);
  Disconnect(1);
  EXPECT_EQ(fPlug.fDisconnected, std::vector<int32_t>{1});
  EXPECT_EQ(fPlug.FindClient(1), nullptr);
  EXPECT_NE(fPlug.FindClient(2), nullptr);
}

TEST_F(ServerChannel, ProcessEndDisconnectsItsClientFromHost113On) {
  struct Case {
    uint32_t fHostVersion;
    int32_t fClientsLeft;
  };
  for (const Case c : {Case{0x1120, 2}, Case{0x1129, 2}, Case{0x1130, 1}, Case{0x1400, 1}}) {
    SCOPED_TRACE(c.fHostVersion);
    InitPlugin(zvhost::ProgramMode::Server, c.fHostVersion);
    Connect(1, 40);
    Connect(2, 41);
    FourDPackex(kFDProcessEnd, reinterpret_cast<void*>(intptr_t{40}), nullptr, nullptr);
    EXPECT_EQ(fPlug.CountClients(), c.fClientsLeft);
    EXPECT_NE(fPlug.FindClient(2), nullptr);
  }
}

TEST_F(ServerChannel, IdentityMessageNamesTheClient) {
  Connect(kCookie);
  FDHandle message = MakeIdentityMessage(reinterpret_cast<const PA_Unichar*>(u"Ann Owner"),
                                         reinterpret_cast<const PA_Unichar*>(u"box-7"),
                                         reinterpret_cast<const PA_Unichar*>(u"ann"));
  ASSERT_NE(message, nullptr);
  const std::string bytes = RecordingPlug::Bytes(message);
  FourD::DisposeHandle(message);
  EXPECT_EQ(bytes.size(), 3u + 2 * (9 + 5 + 3));
  Write(kCookie, 0, -2, bytes);
  const FourDClient* client = fPlug.FindClient(kCookie);
  EXPECT_EQ(Units(client->fMachineOwner), "Ann Owner");
  EXPECT_EQ(Units(client->fMachineName), "box-7");
  EXPECT_EQ(Units(client->fUserName), "ann");

  // Cut short, or under another selector, it changes nothing.
  std::string other = bytes;
  other[1] = 'B';
  Write(kCookie, 0, -2, other.substr(0, other.size() - 1));
  Write(kCookie, 0, -3, other);
  EXPECT_EQ(Units(client->fMachineOwner), "Ann Owner");
  Write(kCookie, 0, -2, std::string("\x00\x00\x00", 3));
  EXPECT_EQ(Units(client->fMachineOwner), "");
  EXPECT_EQ(Units(client->fUserName), "");
}

TEST_F(ServerChannel, IdentityMessageMayCarryNamesOf255Units) {
  Connect(kCookie);
  std::string bytes(1, '\xFF');
  for (int i = 0; i < 255; ++i) {
    bytes += std::string("x\0", 2);
  }
  bytes += std::string("\x00\x01y\x00", 4);
  Write(kCookie, 0, -2, bytes);
  const FourDClient* client = fPlug.FindClient(kCookie);
  EXPECT_EQ(Units(client->fMachineOwner), std::string(255, 'x'));
  EXPECT_EQ(Units(client->fUserName), "y");
}

TEST_F(ServerChannel, ProcedureGetsACopyOfTheData) {
  Connect(kCookie);
  Write(kCookie, 3, 12, "args");
  Write(kCookie + 1, 4, 13, "stranger"); // no such client
  EXPECT_EQ(fPlug.fProcSelectors, std::vector<int16_t>{12});
  EXPECT_EQ(fPlug.fProcData, std::vector<std::string>{"args"});
  EXPECT_EQ(fPlug.CountServerCalls(), 0);
}

TEST_F(ServerChannel, FunctionReplyIsReadThenCleanedUp) {
  Connect(kCookie);
  const int32_t id = RequestCallID() | INT32_MIN;
  Write(kCookie, id, 9, "abc");
  EXPECT_EQ(fPlug.fFuncSelectors, std::vector<int16_t>{9});
  EXPECT_EQ(fPlug.CountServerCalls(), 1);
  EXPECT_EQ(Read(id, 9), "cba");
  EXPECT_EQ(Read(id - 1, 9), "<null>");
  Cleanup(id, nullptr);
  EXPECT_EQ(fPlug.CountServerCalls(), 0);
  EXPECT_EQ(Read(id, 9), "<null>");
}

TEST_F(ServerChannel, FunctionWithoutReplyAnswersNull) {
  Connect(kCookie);
  fPlug.fAnswerFunctions = false;
  Write(kCookie, -7, 9, "abc");
  EXPECT_EQ(Read(-7, 9), "<null>");
  // Left pending: deinitialisation releases it (checked by the fixture).
}

TEST_F(ServerChannel, CallIDsCountUpAndWrapToOne) {
  EXPECT_EQ(RequestCallID(), 1);
  EXPECT_EQ(RequestCallID(), 2);
  fPlug.SetLastCallID(INT32_MAX - 1);
  EXPECT_EQ(RequestCallID(), INT32_MAX);
  EXPECT_EQ(RequestCallID(), 1);
  EXPECT_EQ(Read(0, -2), "<null>");
}

TEST_F(ServerChannel, CleanupFreesOnlyCallIDBuffersItHandedOut) {
  void* buffer = nullptr;
  Read(0, -1, &buffer);
  char foreign[4] = {};
  Cleanup(0, foreign); // not ours: left alone
  Cleanup(0, buffer);
  Cleanup(0, buffer); // already freed: left alone
  Cleanup(0, nullptr);
  Cleanup(99, nullptr);
}
