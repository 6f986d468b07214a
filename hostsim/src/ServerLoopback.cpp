// The server channel of a client host, looped back: what the plug-in writes on the server or
// reads from it is delivered to its own entry as the server-side selectors, under the cookie
// of the one loopback client.
#include <cstring>

#include "Callback.h"
#include "HostState.h"
#include "ObjectStore.h"

namespace zvhost {

namespace {

bool ChannelOpen(FDEngineBlock& b) {
  if (State().fMode != ProgramMode::Client || State().fPlugin == nullptr) {
    b.fError = kFDErrNotAvailable;
    return false;
  }
  return true;
}

ReadWriteBlock ChannelBlock(const FDEngineBlock& b, int32_t* dataSize) {
  ReadWriteBlock rw{};
  rw.fCallID = b.fParam1;
  rw.fSelector = static_cast<int16_t>(b.fParam2);
  rw.fDataSize = dataSize;
  rw.fCookie = kLoopbackCookie;
  rw.fProcessNumber = State().fCurrentProcess;
  return rw;
}

} // namespace

namespace callback {

void WriteOnServer(FDEngineBlock& b) {
  if (!ChannelOpen(b)) {
    return;
  }
  void* data = nullptr;
  int32_t size = 0;
  if (b.fHandle != nullptr) {
    HandleRec* rec = Objects().FindHandle(b.fHandle);
    if (rec == nullptr) {
      b.fError = kFDErrBadParameter;
      return;
    }
    data = rec->fData;
    size = rec->fSize;
  }
  ReadWriteBlock rw = ChannelBlock(b, &size);
  State().fPlugin(kFDServerWrite, &rw, nullptr, &data);
}

void ReadOnServer(FDEngineBlock& b) {
  b.fHandle = nullptr;
  if (!ChannelOpen(b)) {
    return;
  }
  int32_t size = 0;
  void* reply = nullptr;
  ReadWriteBlock rw = ChannelBlock(b, &size);
  State().fPlugin(kFDServerRead, &rw, nullptr, &reply);
  if (reply != nullptr) {
    FDHandle copy = nullptr;
    const int err = Objects().NewHandle(size > 0 ? size : 0, &copy);
    if (err == kFDErrNone && size > 0) {
      std::memcpy(*copy, reply, static_cast<size_t>(size));
    }
    b.fError = static_cast<int16_t>(err);
    b.fHandle = copy;
  }
  // The server side releases what it answered.
  State().fPlugin(kFDServerCleanup, &rw, nullptr, &reply);
}

} // namespace callback

int32_t ConnectLoopbackClient() {
  HostState& state = State();
  if (state.fPlugin == nullptr) {
    return 0;
  }
  int32_t size = 0;
  ReadWriteBlock rw{};
  rw.fDataSize = &size;
  rw.fCookie = kLoopbackCookie;
  rw.fProcessNumber = state.fCurrentProcess;
  int32_t answer = 0;
  state.fPlugin(kFDClientConnect, &rw, nullptr, &answer);
  state.fLoopbackConnected = answer == 1;
  return answer;
}

void DisconnectLoopbackClient() {
  HostState& state = State();
  if (state.fPlugin == nullptr || !state.fLoopbackConnected) {
    return;
  }
  int32_t size = 0;
  ReadWriteBlock rw{};
  rw.fDataSize = &size;
  rw.fCookie = kLoopbackCookie;
  state.fPlugin(kFDClientDisconnect, &rw, nullptr, nullptr);
  state.fLoopbackConnected = false;
}

} // namespace zvhost
