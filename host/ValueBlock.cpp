#include "host/ValueBlock.h"

#include <math.h>

#include "host/FourD.h"

namespace {

constexpr int32_t kErrUnhandledKind = -1999;

// Truncates toward zero; values outside the long range are clamped rather than left undefined.
int32_t TruncateToLong(double value) {
  if (isnan(value)) {
    return 0;
  }
  if (value >= 2147483647.0) {
    return INT32_MAX;
  }
  if (value <= -2147483648.0) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(value);
}

void FreeHandleValue(ValueBlock* block) {
  FDHandle data = GetValueBlobHandle(block);
  if (data != nullptr) {
    FourD::DisposeHandle(data);
  }
  WriteValueAt<int32_t>(block, 0);
  WriteValueAt<FDHandle>(block, nullptr, kValueBlockHandleOffset);
}

} // namespace

void SetValueLong(ValueBlock* block, int32_t value) {
  SetValueKind(block, kFDLongint);
  WriteValueAt(block, value);
}

void SetValueTime(ValueBlock* block, int32_t seconds) {
  SetValueKind(block, kFDTime);
  WriteValueAt(block, seconds);
}

void SetValueReal(ValueBlock* block, double value) {
  SetValueKind(block, kFDReal);
  WriteValueAt(block, value);
}

void SetValueBoolean(ValueBlock* block, bool value) {
  SetValueKind(block, kFDBoolean);
  WriteValueAt<unsigned char>(block, value ? 1 : 0);
}

void SetValuePicture(ValueBlock* block, FDPicture picture) {
  SetValueKind(block, kFDPicture);
  WriteValueAt(block, picture);
}

void SetValueText(ValueBlock* block, const FDStringBlock& text) {
  SetValueKind(block, kFDText);
  WriteValueAt(block, text);
}

void SetValueDate(ValueBlock* block, const DateBlock& date) {
  SetValueKind(block, kFDDate);
  WriteValueAt(block, date);
}

void SetValueBlob(ValueBlock* block, int32_t size, FDHandle data) {
  SetValueKind(block, kFDBlob);
  WriteValueAt(block, size);
  WriteValueAt(block, data, kValueBlockHandleOffset);
}

int32_t Long2ValueBlock(int32_t value, ValueBlock* block) {
  if (block == nullptr) {
    return kFDErrBadParameter;
  }
  switch (GetValueKind(block)) {
  case kFDReal:
    WriteValueAt<double>(block, value);
    return 0;
  case kFDBoolean:
    WriteValueAt<unsigned char>(block, value != 0 ? 1 : 0);
    return 0;
  case kFDLongint:
  case kFDTime:
    WriteValueAt(block, value);
    return 0;
  default:
    return kErrUnhandledKind;
  }
}

int32_t Value2Long(const ValueBlock* block, int32_t* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = 0;
  if (block == nullptr) {
    return kFDErrBadParameter;
  }
  switch (GetValueKind(block)) {
  case kFDReal:
    *value = TruncateToLong(GetValueReal(block));
    return 0;
  case kFDDate:
  case kFDText:
    return 0;
  case kFDBoolean:
    *value = ReadValueAt<unsigned char>(block);
    return 0;
  case kFDLongint:
  case kFDTime:
    *value = GetValueLong(block);
    return 0;
  default:
    return kErrUnhandledKind;
  }
}

void FreeValueBlock(ValueBlock* block) {
  if (block == nullptr) {
    return;
  }
  switch (GetValueKind(block)) {
  case kFDText: {
    FDStringBlock text = GetValueText(block);
    if (text.fString != nullptr) {
      FourD::DisposeFDStringBlock(&text);
    }
    WriteValueAt(block, FDStringBlock{});
    break;
  }
  case kFDPicture: {
    // Freed as it is read and written everywhere, whatever the host version: as a picture
    // reference. Freeing it as a size and a handle on older hosts leaked every picture.
    FDPicture picture = GetValuePicture(block);
    if (picture != nullptr) {
      FourD::DisposeFDPicture(picture);
    }
    WriteValueAt<FDPicture>(block, nullptr);
    break;
  }
  case kFDBlob:
    FreeHandleValue(block);
    break;
  default:
    break;
  }
}
