#include "host/FourD.h"
#include "host/HostCall.h"
#include "host/HostText.h"
#include "host/ValueBlock.h"

namespace FourD {

namespace {

// The value is already in block.fValue; the text comes back in fUString.
int16_t Format(FDEngineBlock& block, PA_Unichar* out, size_t capacity) {
  if (out == nullptr || capacity == 0) {
    return kFDErrBadParameter;
  }
  out[0] = 0;
  int16_t error = CallHost(kFDFormatValue, block);
  if (error == kFDErrNone) {
    UniCopy(OutText(block), out, capacity);
  }
  return error;
}

} // namespace

int16_t FormatReal(double value, const PA_Unichar* format, PA_Unichar* out, size_t capacity) {
  FDEngineBlock block{};
  SetValueReal(&block.fValue, value);
  block.fUName = format;
  return Format(block, out, capacity);
}

int16_t FormatLong(int32_t value, const PA_Unichar* format, PA_Unichar* out, size_t capacity) {
  FDEngineBlock block{};
  SetValueLong(&block.fValue, value);
  block.fUName = format;
  return Format(block, out, capacity);
}

int16_t FormatDate(const DateBlock* value, int32_t format, PA_Unichar* out, size_t capacity) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  SetValueDate(&block.fValue, *value);
  block.fParam1 = format;
  return Format(block, out, capacity);
}

int16_t FormatTime(int32_t seconds, int32_t format, PA_Unichar* out, size_t capacity) {
  FDEngineBlock block{};
  SetValueTime(&block.fValue, seconds);
  block.fParam1 = format;
  return Format(block, out, capacity);
}

int16_t FormatBoolean(bool value, const PA_Unichar* format, PA_Unichar* out, size_t capacity) {
  FDEngineBlock block{};
  SetValueBoolean(&block.fValue, value);
  block.fUName = format;
  return Format(block, out, capacity);
}

} // namespace FourD
