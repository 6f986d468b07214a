#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

int16_t WriteOnServer(int32_t callID, int16_t selector, FDHandle data) {
  FDEngineBlock block{};
  block.fParam1 = callID;
  block.fParam2 = selector;
  block.fHandle = data;
  return CallHost(kFDWriteOnServer, block);
}

int16_t ReadOnServer(int32_t callID, int16_t selector, FDHandle* reply) {
  if (reply == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fParam1 = callID;
  block.fParam2 = selector;
  int16_t error = CallHost(kFDReadOnServer, block);
  *reply = error == kFDErrNone ? block.fHandle : nullptr;
  return error;
}

void Yield() {
  FDEngineBlock block{};
  CallHost(kFDYield, block);
}

} // namespace FourD
