// The client side of the call channel, against a host whose server answers as each test says.
#include <gtest/gtest.h>

#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "PluginFixture.h"
#include "host/FourD.h"
#include "plugin/ZorviPlug.h"

namespace {

struct ServerMessage {
  int32_t fCallID;
  int32_t fSelector;
  std::string fData;
  bool operator==(const ServerMessage&) const = default;
};

// The server as the client sees it through the host.
struct FakeServer {
  int fYields = 0;
  std::vector<ServerMessage> fWrites;
  std::vector<ServerMessage> fReads;
  bool fAnswerID = true;
  std::string fID = std::string("\x00\x00\x01\x02", 4);
  int16_t fReadError = 0;
  int16_t fWriteError = 0;
  std::string fReply = "reply";
};

FakeServer* gServer = nullptr;

std::string Bytes(FDHandle handle) {
  return handle != nullptr ? std::string(*handle, FourD::GetHandleSize(handle)) : "<null>";
}

FDHandle NewHandleWith(const std::string& bytes) {
  FDHandle handle = FourD::NewHandle(static_cast<int32_t>(bytes.size()));
  memcpy(*handle, bytes.data(), bytes.size());
  return handle;
}

void ServerEntry(int16_t selector, FDEngineBlock* block) {
  switch (selector) {
  case kFDYield:
    ++gServer->fYields;
    return;
  case kFDWriteOnServer:
    gServer->fWrites.push_back({block->fParam1, block->fParam2, Bytes(block->fHandle)});
    block->fError = gServer->fWriteError;
    return;
  case kFDReadOnServer:
    gServer->fReads.push_back({block->fParam1, block->fParam2, ""});
    block->fError = gServer->fReadError;
    if (block->fError != 0) {
      return;
    }
    if (block->fParam1 == 0 && gServer->fAnswerID) {
      block->fHandle = NewHandleWith(gServer->fID);
    } else if (block->fParam1 != 0) {
      block->fHandle = NewHandleWith(gServer->fReply);
    }
    return;
  default:
    zvhost::CallBackEntry()(selector, block);
  }
}

class ClientCalls : public PluginTest {
protected:
  void SetUp() override {
    gServer = &fServer;
    InitPlugin(zvhost::ProgramMode::Client, 0x1400, ServerEntry);
  }
  void TearDown() override {
    PluginTest::TearDown();
    gServer = nullptr;
  }

  FakeServer fServer;
};

constexpr int32_t kID = 0x0102;
constexpr int32_t kFunctionID = static_cast<int32_t>(0x80000102u);
const ServerMessage kIDRequest{0, -1, ""};

} // namespace

TEST_F(ClientCalls, ProcedureIsSentUnderAFreshCallID) {
  FDHandle data = NewHandleWith("args");
  EXPECT_EQ(FourDPlug::CallProcOnServer(12, data), 0);
  FourD::DisposeHandle(data);
  EXPECT_GE(fServer.fYields, 1);
  EXPECT_EQ(fServer.fReads, std::vector<ServerMessage>{kIDRequest});
  EXPECT_EQ(fServer.fWrites, (std::vector<ServerMessage>{{kID, 12, "args"}}));
}

TEST_F(ClientCalls, FunctionIsSentAndReadUnderItsFunctionID) {
  FDHandle reply = nullptr;
  EXPECT_EQ(FourDPlug::CallFuncOnServer(7, "xyz", 3, &reply), 0);
  EXPECT_EQ(Bytes(reply), "reply");
  FourD::DisposeHandle(reply);
  EXPECT_EQ(fServer.fWrites, (std::vector<ServerMessage>{{kFunctionID, 7, "xyz"}}));
  EXPECT_EQ(fServer.fReads, (std::vector<ServerMessage>{kIDRequest, {kFunctionID, 7, ""}}));
}

TEST_F(ClientCalls, FailuresToGetACallIDSendNothing) {
  struct Case {
    const char* fWhat;
    bool fAnswerID;
    std::string fID;
    int16_t fReadError;
    int32_t fExpected;
  };
  const Case cases[] = {
      {"no reply", false, "", 0, -10003},
      {"three bytes", true, std::string("\0\0\1", 3), 0, 55503},
      {"five bytes", true, std::string("\0\0\0\1\0", 5), 0, 55503},
      {"host error", true, std::string("\0\0\0\1", 4), -43, -43},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fWhat);
    fServer = FakeServer{};
    fServer.fAnswerID = c.fAnswerID;
    fServer.fID = c.fID;
    fServer.fReadError = c.fReadError;
    FDHandle reply = nullptr;
    EXPECT_EQ(FourDPlug::CallProcOnServer(1, nullptr, 0), c.fExpected);
    EXPECT_EQ(FourDPlug::CallFuncOnServer(1, nullptr, 0, &reply), c.fExpected);
    EXPECT_EQ(reply, nullptr);
    EXPECT_TRUE(fServer.fWrites.empty());
  }
}

TEST_F(ClientCalls, FunctionIsNotReadWhenItsWriteFailed) {
  fServer.fWriteError = -108;
  FDHandle reply = nullptr;
  EXPECT_EQ(FourDPlug::CallFuncOnServer(7, nullptr, 0, &reply), -108);
  EXPECT_EQ(reply, nullptr);
  EXPECT_EQ(fServer.fReads, std::vector<ServerMessage>{kIDRequest});
}

TEST_F(ClientCalls, ByteFormsSendACopyAndRefuseANegativeSize) {
  EXPECT_EQ(FourDPlug::CallProcOnServer(3, "hello", 5), 0);
  EXPECT_EQ(FourDPlug::CallProcOnServer(3, nullptr, 5), 0); // no bytes: an empty handle
  EXPECT_EQ(FourDPlug::CallProcOnServer(3, "hello", -1), -50);
  EXPECT_EQ(fServer.fWrites, (std::vector<ServerMessage>{{kID, 3, "hello"}, {kID, 3, ""}}));
}

namespace {

// A plug-in object that tracks its clients, as this product's does not.
class TrackingPlug : public ZorviPlug {
public:
  TrackingPlug() : ZorviPlug(&gPlugInfo), fPrevious(gFourDPlug) { gFourDPlug = this; }
  ~TrackingPlug() override { gFourDPlug = fPrevious; }
  bool TrackClientsOnServer() override { return true; }

private:
  FourDPlug* fPrevious;
};

std::string Narrow(const PA_Unichar* text) {
  std::string out;
  for (; *text != 0; ++text) {
    out += static_cast<char>(*text);
  }
  return out;
}

} // namespace

class ClientIdentity : public ClientCalls {
protected:
  void SetUp() override {}
  TrackingPlug fPlug;
};

TEST_F(ClientIdentity, ATrackingClientIntroducesItselfOnce) {
  ClientCalls::SetUp();
  ASSERT_EQ(fServer.fWrites.size(), 1u);
  const ServerMessage& message = fServer.fWrites[0];
  EXPECT_EQ(message.fCallID, 0);
  EXPECT_EQ(message.fSelector, -2);
  FourDClient client{};
  ASSERT_TRUE(ReadIdentityMessage(message.fData.data(), static_cast<int32_t>(message.fData.size()),
                                  &client));
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  EXPECT_EQ(Narrow(client.fMachineName), host);
  EXPECT_FALSE(Narrow(client.fUserName).empty());
  EXPECT_FALSE(Narrow(client.fMachineOwner).empty());
}
