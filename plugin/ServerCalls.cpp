// The client side of the call channel: procedures and functions of the plug-in run on the server.
#include <string.h>

#include "host/FourD.h"
#include "plugin/CommandErrors.h"
#include "plugin/FourDPlug.h"

namespace {

constexpr int32_t kErrNoCallID = -10003; // the server handed out no call ID
constexpr int32_t kErrBadCallID = 55503; // the call ID was not four bytes

// One call at a time: the server pairs a function's reply with its ID.
bool sServerCallInProgress = false;

// Asks the server for a fresh call ID, four bytes most significant first.
int32_t RequestCallID(int32_t* callID) {
  FDHandle reply = nullptr;
  const int16_t error = FourD::ReadOnServer(0, kFrameCallIDRequest, &reply);
  if (error != 0 || reply == nullptr) {
    if (reply != nullptr) {
      FourD::DisposeHandle(reply);
    }
    return error != 0 ? error : kErrNoCallID;
  }
  int32_t result = kErrBadCallID;
  if (FourD::GetHandleSize(reply) == 4) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(*reply);
    *callID = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) << 24 |
                                   static_cast<uint32_t>(bytes[1]) << 16 |
                                   static_cast<uint32_t>(bytes[2]) << 8 | bytes[3]);
    result = kZVErrNone;
  }
  FourD::DisposeHandle(reply);
  return result;
}

// `reply` is null for a procedure.
int32_t CallOnServer(int16_t selector, FDHandle data, FDHandle* reply) {
  do {
    FourD::Yield();
  } while (sServerCallInProgress);
  sServerCallInProgress = true;
  int32_t callID = 0;
  int32_t error = RequestCallID(&callID);
  if (error == kZVErrNone && reply == nullptr) {
    error = FourD::WriteOnServer(callID, selector, data);
  } else if (error == kZVErrNone) {
    const auto functionID = static_cast<int32_t>(static_cast<uint32_t>(callID) | 0x80000000u);
    error = FourD::WriteOnServer(functionID, selector, data);
    if (error == kZVErrNone) {
      error = FourD::ReadOnServer(functionID, selector, reply);
    }
  }
  sServerCallInProgress = false;
  return error;
}

int32_t CallWithCopy(int16_t selector, const void* bytes, int32_t size, FDHandle* reply) {
  if (bytes != nullptr && size < 0) {
    return kZVErrBadParameter;
  }
  FDHandle data = FourD::NewHandle(bytes != nullptr ? size : 0);
  if (data == nullptr) {
    return kZVErrNoMemory;
  }
  if (bytes != nullptr && size > 0) {
    memcpy(*data, bytes, size);
  }
  const int32_t error = CallOnServer(selector, data, reply);
  FourD::DisposeHandle(data);
  return error;
}

} // namespace

int32_t FourDPlug::CallProcOnServer(int16_t selector, FDHandle data) {
  return CallOnServer(selector, data, nullptr);
}

int32_t FourDPlug::CallFuncOnServer(int16_t selector, FDHandle data, FDHandle* reply) {
  if (reply == nullptr) {
    return kZVErrBadParameter;
  }
  *reply = nullptr;
  return CallOnServer(selector, data, reply);
}

int32_t FourDPlug::CallProcOnServer(int16_t selector, const void* bytes, int32_t size) {
  return CallWithCopy(selector, bytes, size, nullptr);
}

int32_t FourDPlug::CallFuncOnServer(int16_t selector, const void* bytes, int32_t size,
                                    FDHandle* reply) {
  if (reply == nullptr) {
    return kZVErrBadParameter;
  }
  *reply = nullptr;
  return CallWithCopy(selector, bytes, size, reply);
}
