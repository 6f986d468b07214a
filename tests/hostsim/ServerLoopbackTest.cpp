// The loopback server channel: in client mode what the plug-in writes on or reads from the
// server comes back to its own entry as the server-side selectors.
#include "FakePlugin.h"
#include "HostTestSupport.h"

namespace {

using namespace hosttest;

struct Seen {
  int32_t selector;
  int32_t callID;
  int16_t channelSelector;
  int32_t cookie;
  std::string data;
  void* pointer;
};

class Loopback : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    zvhost::ResetHost(zvhost::ProgramMode::Client);
    fakeplugin::Install();
    auto record = [this](int32_t selector) {
      return [this, selector](void* params, void* result) {
        const auto* rw = static_cast<ReadWriteBlock*>(params);
        Seen seen{selector, rw->fCallID, rw->fSelector, rw->fCookie, {}, nullptr};
        if (selector == kFDServerWrite) {
          seen.data.assign(*static_cast<char**>(result), static_cast<size_t>(*rw->fDataSize));
        }
        if (selector == kFDServerRead) {
          *rw->fDataSize = 4;
          *static_cast<void**>(result) = fReply;
        }
        if (selector == kFDServerCleanup) {
          seen.pointer = *static_cast<void**>(result);
        }
        fSeen.push_back(seen);
      };
    };
    fakeplugin::On(kFDClientConnect, [this](void* params, void* result) {
      fConnectProcess = static_cast<ReadWriteBlock*>(params)->fProcessNumber;
      *static_cast<int32_t*>(result) = 1;
    });
    for (int32_t selector : {kFDServerWrite, kFDServerRead, kFDServerCleanup}) {
      fakeplugin::On(selector, record(selector));
    }
  }

  char fReply[4] = {0, 0, 0, 7};
  std::vector<Seen> fSeen;
  int32_t fConnectProcess = 0;
};

TEST_F(Loopback, ConnectsTheLoopbackClient) {
  EXPECT_EQ(1, zvhost::ConnectLoopbackClient());
  EXPECT_EQ(1, fConnectProcess);
}

TEST_F(Loopback, WriteDeliversTheDataToTheServerSide) {
  FDEngineBlock make = NewBlock();
  make.fParam1 = kFDMemNew;
  make.fParam2 = 3;
  FDHandle data = Call(kFDMemory, make).fHandle;
  std::memcpy(*data, "abc", 3);
  FDEngineBlock write = NewBlock();
  write.fParam1 = 12;
  write.fParam2 = 5;
  write.fHandle = data;
  EXPECT_EQ(0, Call(kFDWriteOnServer, write).fError);
  ASSERT_EQ(1u, fSeen.size());
  EXPECT_EQ(kFDServerWrite, fSeen[0].selector);
  EXPECT_EQ(12, fSeen[0].callID);
  EXPECT_EQ(5, fSeen[0].channelSelector);
  EXPECT_EQ(zvhost::kLoopbackCookie, fSeen[0].cookie);
  EXPECT_EQ("abc", fSeen[0].data);
  FDEngineBlock dispose = NewBlock();
  dispose.fParam1 = kFDMemDispose;
  dispose.fHandle = data;
  Call(kFDMemory, dispose);
}

TEST_F(Loopback, ReadAnswersACopyAndCleansUp) {
  FDEngineBlock read = NewBlock();
  read.fParam1 = 0;
  read.fParam2 = -1;
  read = Call(kFDReadOnServer, read);
  ASSERT_EQ(0, read.fError);
  ASSERT_NE(nullptr, read.fHandle);
  EXPECT_EQ(0, std::memcmp(*read.fHandle, fReply, 4));
  ASSERT_EQ(2u, fSeen.size());
  EXPECT_EQ(kFDServerRead, fSeen[0].selector);
  EXPECT_EQ(-1, fSeen[0].channelSelector);
  EXPECT_EQ(kFDServerCleanup, fSeen[1].selector);
  EXPECT_EQ(static_cast<void*>(fReply), fSeen[1].pointer); // what the server answered
  FDEngineBlock dispose = NewBlock();
  dispose.fParam1 = kFDMemDispose;
  dispose.fHandle = read.fHandle;
  Call(kFDMemory, dispose);
}

TEST_F(Loopback, NoReplyIsANullHandle) {
  fakeplugin::On(kFDServerRead, [](void*, void*) {});
  FDEngineBlock read = NewBlock();
  read.fParam1 = -5;
  read = Call(kFDReadOnServer, read);
  EXPECT_EQ(0, read.fError);
  EXPECT_EQ(nullptr, read.fHandle);
}

TEST_F(HostTest, NoServerChannelOutsideClientMode) {
  FDEngineBlock write = NewBlock();
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDWriteOnServer, write).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDReadOnServer, write).fError);
}

} // namespace
