#include "host/CFourDVars.h"

#include <string.h>

#include "host/FourD.h"
#include "host/HostText.h"
#include "host/ValueBlock.h"

namespace {

constexpr int16_t kErrUnhandledKind = -1999;

// A value block that gives back what it owns when it goes out of scope.
struct OwnedValue {
  ValueBlock fBlock;
  explicit OwnedValue(unsigned char kind) { ClearValueBlock(&fBlock, kind); }
  ~OwnedValue() { FreeValueBlock(&fBlock); }
  OwnedValue(const OwnedValue&) = delete;
  OwnedValue& operator=(const OwnedValue&) = delete;
};

} // namespace

int16_t CFourDLongVar::GetLongValue(int32_t* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = 0;
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  if (error == kFDErrNone) {
    error = static_cast<int16_t>(Value2Long(&read.fBlock, value));
  }
  return error;
}

int16_t CFourDLongVar::SetLongValue(int32_t value) {
  ValueBlock block;
  ClearValueBlock(&block, kFDLongint);
  Long2ValueBlock(value, &block);
  return SetValue(&block, 0);
}

int16_t CFourDRealVar::GetRealValue(double* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = 0;
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  if (error != kFDErrNone) {
    return error;
  }
  if (GetValueKind(&read.fBlock) == kFDReal) {
    *value = GetValueReal(&read.fBlock);
    return 0;
  }
  int32_t whole = 0;
  error = static_cast<int16_t>(Value2Long(&read.fBlock, &whole));
  *value = whole;
  return error;
}

int16_t CFourDRealVar::SetRealValue(double value) {
  ValueBlock block;
  ClearValueBlock(&block, kFDReal);
  SetValueReal(&block, value);
  return SetValue(&block, 0);
}

int16_t CFourDBooleanVar::GetBooleanValue(bool* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = false;
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  int32_t number = 0;
  if (error == kFDErrNone) {
    error = static_cast<int16_t>(Value2Long(&read.fBlock, &number));
  }
  *value = number != 0;
  return error;
}

int16_t CFourDBooleanVar::SetBooleanValue(bool value) {
  ValueBlock block;
  ClearValueBlock(&block, kFDBoolean);
  SetValueBoolean(&block, value);
  return SetValue(&block, 0);
}

int16_t CFourDUnicodeVar::GetUnicodeValue(PA_Unichar* text, size_t capacity) {
  if (text == nullptr || capacity == 0) {
    return kFDErrBadParameter;
  }
  text[0] = 0;
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  if (error != kFDErrNone) {
    return error;
  }
  if (GetValueKind(&read.fBlock) != kFDText) {
    return kErrUnhandledKind;
  }
  FDStringBlock value = GetValueText(&read.fBlock);
  size_t length = value.fString && value.fLength > 0 ? static_cast<size_t>(value.fLength) : 0;
  if (length >= capacity) {
    length = capacity - 1;
  }
  if (length > 0) {
    memcpy(text, value.fString, length * sizeof(PA_Unichar));
  }
  text[length] = 0;
  return 0;
}

int16_t CFourDUnicodeVar::SetUnicodeValue(const PA_Unichar* text, int32_t length) {
  if (length < 0 || (text == nullptr && length > 0)) {
    return kFDErrBadParameter;
  }
  OwnedValue written(kFDText);
  FDStringBlock value{};
  int16_t error = FourD::CreateFDString(&value);
  if (error == kFDErrNone) {
    error = FourD::SetFDString(&value, text, length);
  }
  SetValueText(&written.fBlock, value); // the host copies it; the block gives it back
  if (error == kFDErrNone) {
    error = SetValue(&written.fBlock, 0);
  }
  return error;
}

int16_t CFourDBlobVar::GetBlobValue(FDHandle* data, int32_t* size) {
  if (data == nullptr || size == nullptr) {
    return kFDErrBadParameter;
  }
  *data = nullptr;
  *size = 0;
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  if (error != kFDErrNone) {
    return error;
  }
  if (GetValueKind(&read.fBlock) != kFDBlob) {
    return kErrUnhandledKind;
  }
  *data = GetValueBlobHandle(&read.fBlock);
  *size = GetValueBlobSize(&read.fBlock);
  SetValueBlob(&read.fBlock, 0, nullptr); // handed over
  return 0;
}

int16_t CFourDBlobVar::SetBlobValue(const void* bytes, int32_t size) {
  if (size < 0 || (bytes == nullptr && size > 0)) {
    return kFDErrBadParameter;
  }
  OwnedValue written(kFDBlob);
  FDHandle data = FourD::NewHandle(size);
  if (data == nullptr) {
    return kFDErrNoMemory;
  }
  if (size > 0) {
    memcpy(*data, bytes, static_cast<size_t>(size));
  }
  SetValueBlob(&written.fBlock, size, data);
  return SetValue(&written.fBlock, 0);
}

int16_t CFourDPointerVar::GetPointerValue(ValueBlock* pointer) {
  if (pointer == nullptr) {
    return kFDErrBadParameter;
  }
  OwnedValue read(0);
  int16_t error = GetValue(&read.fBlock);
  if (error == kFDErrNone && GetValueKind(&read.fBlock) != kFDPointer) {
    error = kErrUnhandledKind;
  }
  if (error == kFDErrNone) {
    *pointer = read.fBlock;
  } else {
    ClearValueBlock(pointer, kFDUndefined);
  }
  return error;
}

int16_t CFourDPointerVar::SetPointerValue(const ValueBlock* pointer) {
  if (pointer == nullptr || GetValueKind(pointer) != kFDPointer) {
    return kFDErrBadParameter;
  }
  ValueBlock block = *pointer;
  return SetValue(&block, 0);
}
