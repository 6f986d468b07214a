#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

namespace {

int16_t GetNamed(int16_t selector, const PA_Unichar* name, ValueBlock* value) {
  if (name == nullptr || value == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fUName = name;
  int16_t error = CallHost(selector, block);
  *value = block.fValue;
  return error;
}

int16_t SetNamed(int16_t selector, const PA_Unichar* name, const ValueBlock* value,
                 unsigned char clearOld) {
  if (name == nullptr || value == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fUName = name;
  block.fValue = *value;
  block.fParam1 = clearOld;
  return CallHost(selector, block);
}

} // namespace

int16_t GetVariable(const PA_Unichar* name, ValueBlock* value) {
  return GetNamed(kFDGetVariable, name, value);
}

int16_t SetVariable(const PA_Unichar* name, const ValueBlock* value, unsigned char clearOld) {
  return SetNamed(kFDSetVariable, name, value, clearOld);
}

int16_t GetVariableIP(const PA_Unichar* name, ValueBlock* value) {
  return GetNamed(kFDGetVariableIP, name, value);
}

int16_t SetVariableIP(const PA_Unichar* name, const ValueBlock* value, unsigned char clearOld) {
  return SetNamed(kFDSetVariableIP, name, value, clearOld);
}

} // namespace FourD
