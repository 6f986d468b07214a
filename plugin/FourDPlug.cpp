#include "plugin/FourDPlug.h"

#include <stdlib.h>
#include <string.h>

#include <new>

#include "host/FourD.h"
#include "plugin/CXParam.h"
#include "plugin/CXResult.h"
#include "plugin/CommandErrors.h"

namespace {

// The host passes a process number in place of the parameter block pointer.
int32_t ProcessNumberOf(const void* params) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(params));
}

void WriteLongCell(void* cell, int32_t value) {
  if (cell != nullptr) {
    memcpy(cell, &value, sizeof value);
  }
}

void WritePointerCell(void* cell, void* value) {
  if (cell != nullptr) {
    memcpy(cell, &value, sizeof value);
  }
}

void* ReadPointerCell(const void* cell) {
  void* value = nullptr;
  if (cell != nullptr) {
    memcpy(&value, cell, sizeof value);
  }
  return value;
}

// The area-event block's entries that the area command reads.
constexpr int kAreaBlockEntriesRead[] = {0, 1, 2, 3, 5};

// The host owns the parameter block; a missing entry would be its fault, but it must not crash
// the plug-in.
bool BlockIsComplete(const CommandInfo& command, const CXParam* params, const CXResult* result) {
  const bool isArea = (command.fFlags & kCommandIsArea) != 0;
  if (command.fResultType != 0 && result == nullptr) {
    return false;
  }
  if (isArea) {
    if (params == nullptr) {
      return false;
    }
    for (int i : kAreaBlockEntriesRead) {
      if (params[i].GetCell() == nullptr) {
        return false;
      }
    }
    return true;
  }
  if (command.fParamCount == 0) {
    return true;
  }
  if (params == nullptr) {
    return false;
  }
  for (uint32_t i = 0; i < command.fParamCount; ++i) {
    if (params[i].GetCell() == nullptr) {
      return false;
    }
  }
  return true;
}

} // namespace

FourDPlug::FourDPlug(PlugInfo* plugInfo)
    : fPlugInfo(plugInfo), fBigInitDone(false), fLastCallID(0), fServerCalls(nullptr),
      fClients(nullptr), fReserved(0), fCallIDReplies(nullptr) {}

// The host may be gone when the library unloads, so only our own memory is released here.
FourDPlug::~FourDPlug() {
  ReleaseRegistries(false);
}

void FourDPlug::Init(FDPackInitBlock* /*initBlock*/) {
  fPlugInfo->fResourceID = FourD::fProcResId;
  fPlugInfo->fReserved2 = 0;
  CreateRegistries();
  if (!TrackClientsOnServer()) {
    return;
  }
  if (FourD::Is4DClient() && !FourD::Is4DServer()) {
    SendClientIdentity();
  }
}

void FourDPlug::BigInit() {}

void FourDPlug::Deinit() {
  ReleaseRegistries(true);
  fBigInitDone = false;
  FourD::Deinit();
}

void FourDPlug::HandleProcessStart(int32_t /*process*/) {}

void FourDPlug::HandleProcessEnd(int32_t process) {
  if ((FourD::fVersion & 0xFFFF) < 0x1130) {
    return;
  }
  FourDClient* client = FindClientOfProcess(process);
  if (client != nullptr) {
    DisconnectClient(client);
  }
}

bool FourDPlug::CommandNeedsBigInit(int32_t, CXParam*, CXResult*) {
  return false;
}

bool FourDPlug::CanCallCommand(int32_t, CXParam*, CXResult*) {
  return true;
}

void FourDPlug::HandleCommand(int32_t selector, CXParam* params, CXResult* result) {
  if (!fBigInitDone && CommandNeedsBigInit(selector, params, result)) {
    BigInit();
    fBigInitDone = true;
  }
  if (!CanCallCommand(selector, params, result)) {
    return;
  }
  if (selector < 1 || selector > fPlugInfo->fCommandCount || fPlugInfo->fCommandTable == nullptr) {
    return;
  }
  const CommandInfo& command = fPlugInfo->fCommandTable[selector - 1];
  if (command.fGlue == nullptr) {
    return;
  }
  if (!BlockIsComplete(command, params, result)) {
    if (result != nullptr && command.fResultType != 0) {
      result->SetLong(kZVErrBadParameter);
    }
    return;
  }
  try {
    command.fGlue(params, result);
  } catch (const std::bad_alloc&) {
    if (command.fResultType != 0) {
      result->SetLong(kZVErrNoMemory);
    }
  }
}

bool FourDPlug::CanClientConnectOnServer(int32_t /*cookie*/) {
  return true;
}
void FourDPlug::DoClientConnectOnServer(FourDClient* /*client*/) {}
void FourDPlug::DoClientDisconnectOnServer(FourDClient* /*client*/) {}
void FourDPlug::DoProcOnServer(FourDClient*, int16_t, FDHandle) {}
void FourDPlug::DoFuncOnServer(FourDClient*, int16_t, FDHandle, FDHandle*) {}

void FourDPlug::PlugMain(int32_t selector, CXParam* params, CXResult* result, void* /*hostData*/) {
  FourDPlug* plug = gFourDPlug;
  if (plug == nullptr) {
    return;
  }
  auto* block = reinterpret_cast<ReadWriteBlock*>(params);
  switch (selector) {
  case kFDInitPlugin:
  case kFDServerInitPlugin: {
    auto* initBlock = reinterpret_cast<FDPackInitBlock*>(params);
    if (initBlock == nullptr) {
      return;
    }
    FourD::Init(initBlock);
    plug->Init(initBlock);
    return;
  }
  case kFDDeinitPlugin:
  case kFDServerDeinitPlugin:
    plug->Deinit();
    return;
  case kFDProcessStart:
    plug->HandleProcessStart(ProcessNumberOf(params));
    return;
  case kFDProcessEnd:
    plug->HandleProcessEnd(ProcessNumberOf(params));
    return;
  case kFDClientConnect:
    WriteLongCell(result, plug->HandleClientConnectOnServer(block));
    return;
  case kFDClientDisconnect:
    plug->HandleClientDisconnectOnServer(block);
    return;
  case kFDServerRead:
    WritePointerCell(result, plug->HandleReadOnServer(block));
    return;
  case kFDServerWrite:
    plug->HandleWriteOnServer(block, ReadPointerCell(result));
    return;
  case kFDServerCleanup:
    plug->HandleCleanupOnServer(block, ReadPointerCell(result));
    return;
  default:
    break;
  }
  if (selector >= 1 && selector <= plug->fPlugInfo->fCommandCount &&
      plug->fPlugInfo->fCommandTable != nullptr) {
    plug->HandleCommand(selector, params, result);
  }
}

void FourDPlug::CreateRegistries() {
  // A second initialisation starts from empty registries rather than losing the first ones.
  ReleaseRegistries(true);
  initialize_list(&fServerCalls);
  initialize_list(&fClients);
  initialize_list(&fCallIDReplies);
}

void FourDPlug::ReleaseRegistries(bool disposeHostObjects) {
  if (fServerCalls != nullptr) {
    while (auto* call = static_cast<ServerCall*>(remove_from_beginning(fServerCalls))) {
      if (disposeHostObjects && call->fData != nullptr) {
        FourD::DisposeHandle(call->fData);
      }
      if (disposeHostObjects && call->fResult != nullptr) {
        FourD::DisposeHandle(call->fResult);
      }
      delete call;
    }
    destroy_list(&fServerCalls);
  }
  if (fClients != nullptr) {
    while (auto* client = static_cast<FourDClient*>(remove_from_beginning(fClients))) {
      delete client;
    }
    destroy_list(&fClients);
  }
  if (fCallIDReplies != nullptr) {
    while (void* reply = remove_from_beginning(fCallIDReplies)) {
      free(reply);
    }
    destroy_list(&fCallIDReplies);
  }
}
