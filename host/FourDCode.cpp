#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

int16_t TokenizeProcV12(const PA_Unichar* text, int32_t length, FDHandle* tokens) {
  if (tokens == nullptr) {
    return kFDErrBadParameter;
  }
  *tokens = nullptr;
  if (text == nullptr || length < 0) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = const_cast<PA_Unichar*>(text);
  block.fParam1 = length;
  int16_t error = CallHost(kFDTokenizeProc, block);
  if (error == kFDErrNone) {
    *tokens = block.fHandle;
  }
  return error;
}

int16_t ExecTokenizedProcV12(FDHandle tokens) {
  FDEngineBlock block{};
  block.fHandle = tokens;
  return CallHost(kFDExecTokenizedProc, block);
}

int16_t ExecTokenizedFuncV12(FDHandle tokens, ValueBlock* result) {
  if (result == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fHandle = tokens;
  block.fValue = *result;
  int16_t error = CallHost(kFDExecTokenizedFunc, block);
  *result = block.fValue;
  return error;
}

void DisposeHandleV11(FDHandle tokens) {
  if (tokens == nullptr) {
    return;
  }
  FDEngineBlock block{};
  block.fHandle = tokens;
  CallHost(kFDDisposeTokens, block);
}

int32_t GetMethodID(const PA_Unichar* name) {
  if (name == nullptr) {
    return 0;
  }
  FDEngineBlock block{};
  block.fUName = name;
  return CallHost(kFDGetMethodID, block) == kFDErrNone ? block.fParam1 : 0;
}

int16_t CallMethodID(int32_t methodID, int32_t count, ValueBlock* blocks) {
  if (blocks == nullptr || count < 0) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fParam1 = methodID;
  block.fParam2 = count;
  block.fPtr1 = blocks;
  return CallHost(kFDCallMethodID, block);
}

int16_t ExecuteCommandByID(int32_t command, ValueBlock* params, int32_t count, ValueBlock* result) {
  if (count < 0 || (count > 0 && params == nullptr)) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fParam1 = command;
  block.fParam2 = count;
  block.fPtr1 = params;
  if (result != nullptr) {
    block.fValue = *result;
  }
  int16_t error = CallHost(kFDExecuteCommandByID, block);
  if (result != nullptr) {
    *result = block.fValue;
  }
  return error;
}

} // namespace FourD
