#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

namespace {

int16_t OnBlock(int16_t selector, FDStringBlock* text) {
  if (text == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = text;
  return CallHost(selector, block);
}

} // namespace

int16_t CreateFDString(FDStringBlock* block) {
  return OnBlock(kFDCreateFDString, block);
}
int16_t SetEmptyFDString(FDStringBlock* block) {
  return OnBlock(kFDSetEmptyFDString, block);
}
int16_t DisposeFDStringBlock(FDStringBlock* block) {
  return OnBlock(kFDDisposeFDString, block);
}

int16_t SetFDString(FDStringBlock* text, const PA_Unichar* units, int32_t length) {
  if (text == nullptr || length < 0 || (units == nullptr && length > 0)) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = text;
  block.fPtr2 = const_cast<PA_Unichar*>(units);
  block.fParam1 = length;
  return CallHost(kFDSetFDString, block);
}

int32_t CompareUniStrings(const PA_Unichar* a, int32_t lengthA, const PA_Unichar* b,
                          int32_t lengthB, int32_t options) {
  FDEngineBlock block{};
  block.fPtr1 = const_cast<PA_Unichar*>(a);
  block.fParam1 = a ? lengthA : 0;
  block.fPtr2 = const_cast<PA_Unichar*>(b);
  block.fParam2 = b ? lengthB : 0;
  block.fParam3 = options;
  return CallHost(kFDCompareUniStrings, block) == kFDErrNone ? block.fParam4 : 0;
}

} // namespace FourD
