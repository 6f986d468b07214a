#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

namespace {

int16_t sLastMemoryError = kFDErrNone;

int32_t Op(int32_t op, FDHandle handle, int32_t value, int16_t* error) {
  int16_t result = MemoryOperation(op, &handle, &value);
  if (error != nullptr) {
    *error = result;
  }
  return result == kFDErrNone ? value : 0;
}

} // namespace

int16_t MemoryOperation(int32_t op, FDHandle* handle, int32_t* value) {
  if (handle == nullptr || value == nullptr) {
    return sLastMemoryError = kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fParam1 = op;
  block.fHandle = *handle;
  block.fParam2 = *value;
  sLastMemoryError = CallHost(kFDMemory, block);
  *handle = block.fHandle;
  *value = block.fParam2;
  return sLastMemoryError;
}

int16_t LastMemoryError() {
  return sLastMemoryError;
}

FDHandle NewHandle(int32_t size) {
  FDHandle handle = nullptr;
  if (MemoryOperation(kFDMemNew, &handle, &size) != kFDErrNone) {
    return nullptr;
  }
  return handle;
}

int16_t DisposeHandle(FDHandle handle) {
  int16_t error = kFDErrNone;
  Op(kFDMemDispose, handle, 0, &error);
  return error;
}

int16_t SetHandleSize(FDHandle handle, int32_t size) {
  int16_t error = kFDErrNone;
  Op(kFDMemSetSize, handle, size, &error);
  return error;
}

int32_t GetHandleSize(FDHandle handle) {
  return Op(kFDMemGetSize, handle, 0, nullptr);
}

int16_t HLock(FDHandle handle) {
  int16_t error = kFDErrNone;
  Op(kFDMemLock, handle, 0, &error);
  return error;
}

int16_t HUnlock(FDHandle handle) {
  int16_t error = kFDErrNone;
  Op(kFDMemUnlock, handle, 0, &error);
  return error;
}

signed char HGetState(FDHandle handle) {
  return static_cast<signed char>(Op(kFDMemGetState, handle, 0, nullptr));
}

int16_t HSetState(FDHandle handle, signed char state) {
  int16_t error = kFDErrNone;
  Op(kFDMemSetState, handle, static_cast<unsigned char>(state), &error);
  return error;
}

} // namespace FourD
