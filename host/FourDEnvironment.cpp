#include "host/FourD.h"
#include "host/HostCall.h"
#include "host/HostText.h"

namespace FourD {

namespace {

// Hosts from version 12 (BCD 0x1200) expect a request code with the program-flags call.
constexpr uint32_t kFirstHostWithFlagsRequest = 0x1200;

} // namespace

int16_t GetPluginResourceID(int16_t* resID) {
  if (resID == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  int16_t error = CallHost(kFDGetResourceID, block);
  *resID = error == kFDErrNone ? static_cast<int16_t>(block.fParam1) : 0;
  return error;
}

int16_t GetProgramFlags(uint32_t* flags) {
  if (flags == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  if ((fVersion & 0xFFFF) >= kFirstHostWithFlagsRequest) {
    block.fParam1 = kFDProgramFlagsRequest;
  }
  int16_t error = CallHost(kFDGetProgramFlags, block);
  *flags = error == kFDErrNone ? static_cast<uint32_t>(block.fParam1) : 0;
  return error;
}

bool Is4DClient() {
  return (fProgramInfo & kFDProgramClient) != 0;
}
bool Is4DServer() {
  return (fProgramInfo & kFDProgramServer) != 0;
}
bool IsCompiled() {
  return (fProgramInfo & kFDProgramCompiled) != 0;
}

int32_t CurrentProcess() {
  FDEngineBlock block{};
  return CallHost(kFDCurrentProcess, block) == kFDErrNone ? block.fParam1 : 0;
}

int32_t GetWindowProcess(void* window) {
  FDEngineBlock block{};
  block.fPtr1 = window;
  return CallHost(kFDGetWindowProcess, block) == kFDErrNone ? block.fParam1 : 0;
}

int16_t GetCommandName(int32_t command, char* name, size_t capacity) {
  if (name == nullptr || capacity == 0) {
    return kFDErrBadParameter;
  }
  name[0] = '\0';
  FDEngineBlock block{};
  block.fParam1 = command;
  int16_t error = CallHost(kFDGetCommandName, block);
  if (error == kFDErrNone) {
    const PA_Unichar* text = OutText(block);
    UniToUtf8(text, UniLength(text), name, capacity);
  }
  return error;
}

int32_t RecordNumber(int32_t table) {
  FDEngineBlock block{};
  block.fParam1 = table;
  return CallHost(kFDRecordNumber, block) == kFDErrNone ? block.fParam1 : -1;
}

int16_t GetFileName(int32_t table, PA_Unichar* name, size_t capacity) {
  if (name == nullptr || capacity == 0) {
    return kFDErrBadParameter;
  }
  name[0] = 0;
  FDEngineBlock block{};
  block.fParam1 = table;
  int16_t error = CallHost(kFDGetFileName, block);
  if (error == kFDErrNone) {
    UniCopy(OutText(block), name, capacity);
  }
  return error;
}

int16_t GetFieldType(int32_t table, int32_t field, int32_t* type) {
  if (type == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fParam1 = table;
  block.fParam2 = field;
  int16_t error = CallHost(kFDGetFieldType, block);
  *type = error == kFDErrNone ? block.fParam1 : 0;
  return error;
}

} // namespace FourD
