// The server side: the registry of connected clients and the call channel through which clients
// call procedures and functions of the plug-in on the server.
#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include <new>

#include "host/FourD.h"
#include "plugin/FourDPlug.h"

namespace {

int HasCookie(void* item, void* cookie) {
  return static_cast<FourDClient*>(item)->fCookie == *static_cast<int32_t*>(cookie);
}

int HasProcess(void* item, void* process) {
  return static_cast<FourDClient*>(item)->fProcessNumber == *static_cast<int32_t*>(process);
}

int HasCallID(void* item, void* callID) {
  return static_cast<ServerCall*>(item)->fCallID == *static_cast<int32_t*>(callID);
}

int32_t IncomingSize(const ReadWriteBlock* block, const void* data) {
  if (data == nullptr || block->fDataSize == nullptr) {
    return 0;
  }
  return *block->fDataSize;
}

void SetOutgoingSize(ReadWriteBlock* block, int32_t size) {
  if (block->fDataSize != nullptr) {
    *block->fDataSize = size;
  }
}

// A copy of the incoming bytes in a new host handle; null without memory or for a bad size.
FDHandle CopyToHandle(const void* data, int32_t size) {
  if (size < 0) {
    return nullptr;
  }
  FDHandle handle = FourD::NewHandle(size);
  if (handle != nullptr && size > 0) {
    memcpy(*handle, data, size);
  }
  return handle;
}

} // namespace

FourDClient* FourDPlug::FindClient(int32_t cookie) const {
  if (fClients == nullptr) {
    return nullptr;
  }
  return static_cast<FourDClient*>(first_that(fClients, HasCookie, &cookie));
}

FourDClient* FourDPlug::FindClientOfProcess(int32_t process) const {
  if (fClients == nullptr) {
    return nullptr;
  }
  return static_cast<FourDClient*>(first_that(fClients, HasProcess, &process));
}

ServerCall* FourDPlug::FindServerCall(int32_t callID) const {
  if (fServerCalls == nullptr) {
    return nullptr;
  }
  return static_cast<ServerCall*>(first_that(fServerCalls, HasCallID, &callID));
}

int32_t FourDPlug::CountClients() const {
  return fClients != nullptr ? num_of_objects(fClients) : 0;
}

int32_t FourDPlug::CountServerCalls() const {
  return fServerCalls != nullptr ? num_of_objects(fServerCalls) : 0;
}

int32_t FourDPlug::HandleClientConnectOnServer(const ReadWriteBlock* block) {
  if (block == nullptr || fClients == nullptr) {
    return 0;
  }
  if (!CanClientConnectOnServer(block->fCookie)) {
    return 0;
  }
  if (FindClient(block->fCookie) != nullptr) {
    return 1;
  }
  auto* client = new (std::nothrow) FourDClient{};
  if (client == nullptr) {
    return 0;
  }
  client->fCookie = block->fCookie;
  client->fProcessNumber = block->fProcessNumber;
  if (add_to_end(fClients, client) != 0) {
    delete client;
    return 0;
  }
  DoClientConnectOnServer(client);
  return 1;
}

void FourDPlug::HandleClientDisconnectOnServer(const ReadWriteBlock* block) {
  if (block == nullptr) {
    return;
  }
  FourDClient* client = FindClient(block->fCookie);
  if (client != nullptr) {
    DisconnectClient(client);
  }
}

void FourDPlug::DisconnectClient(FourDClient* client) {
  DoClientDisconnectOnServer(client);
  remove_from_list(fClients, client);
  delete client;
}

void FourDPlug::HandleWriteOnServer(const ReadWriteBlock* block, const void* data) {
  if (block == nullptr) {
    return;
  }
  FourDClient* client = FindClient(block->fCookie);
  if (client == nullptr) {
    return;
  }
  const int32_t size = IncomingSize(block, data);
  if (block->fCallID == 0) {
    if (block->fSelector == kFrameClientIdentity) {
      ReadIdentityMessage(data, size, client);
    }
    return;
  }
  FDHandle arguments = CopyToHandle(data, size);
  if (arguments == nullptr) {
    return;
  }
  if (block->fCallID > 0) {
    DoProcOnServer(client, block->fSelector, arguments);
    FourD::DisposeHandle(arguments);
    return;
  }
  auto* call = new (std::nothrow) ServerCall{block->fSelector, block->fCallID, arguments, nullptr};
  if (call == nullptr || fServerCalls == nullptr || add_to_end(fServerCalls, call) != 0) {
    delete call;
    FourD::DisposeHandle(arguments);
    return;
  }
  DoFuncOnServer(client, block->fSelector, arguments, &call->fResult);
}

void* FourDPlug::HandleReadOnServer(ReadWriteBlock* block) {
  if (block == nullptr) {
    return nullptr;
  }
  SetOutgoingSize(block, 0);
  if (block->fCallID != 0) {
    ServerCall* call = FindServerCall(block->fCallID);
    if (call == nullptr || call->fResult == nullptr) {
      return nullptr;
    }
    SetOutgoingSize(block, FourD::GetHandleSize(call->fResult));
    FourD::HLock(call->fResult);
    return *call->fResult;
  }
  if (block->fSelector != kFrameCallIDRequest || fCallIDReplies == nullptr) {
    return nullptr;
  }
  auto* reply = static_cast<unsigned char*>(malloc(4));
  if (reply == nullptr) {
    return nullptr;
  }
  if (add_to_end(fCallIDReplies, reply) != 0) {
    free(reply);
    return nullptr;
  }
  // IDs stay positive: bit 31 marks a function call.
  fLastCallID = fLastCallID == INT32_MAX ? 1 : fLastCallID + 1;
  const auto id = static_cast<uint32_t>(fLastCallID);
  reply[0] = static_cast<unsigned char>(id >> 24);
  reply[1] = static_cast<unsigned char>(id >> 16);
  reply[2] = static_cast<unsigned char>(id >> 8);
  reply[3] = static_cast<unsigned char>(id);
  SetOutgoingSize(block, 4);
  return reply;
}

void FourDPlug::HandleCleanupOnServer(const ReadWriteBlock* block, void* data) {
  if (block == nullptr) {
    return;
  }
  if (block->fCallID == 0) {
    // Only a call-ID buffer of ours is freed; anything else is not ours to free.
    if (data != nullptr && fCallIDReplies != nullptr && remove_from_list(fCallIDReplies, data)) {
      free(data);
    }
    return;
  }
  ServerCall* call = FindServerCall(block->fCallID);
  if (call == nullptr) {
    return;
  }
  if (call->fData != nullptr) {
    FourD::DisposeHandle(call->fData);
  }
  if (call->fResult != nullptr) {
    FourD::DisposeHandle(call->fResult);
  }
  remove_from_list(fServerCalls, call);
  delete call;
}
