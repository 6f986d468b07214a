#include "host/CFourDArrayVars.h"

#include <string.h>

#include "host/ValueBlock.h"

namespace {

CArray* ArrayView(ValueBlock* block) {
  return reinterpret_cast<CArray*>(block->fBytes);
}

} // namespace

int16_t CFourDBaseArrayVar::GetArray(ValueBlock* block, CArray** array) {
  *array = nullptr;
  ClearValueBlock(block, 0);
  int16_t error = GetValue(block);
  if (error != kFDErrNone) {
    return error;
  }
  if (GetValueKind(block) != GetKind()) {
    // Not an array of this kind: whatever the host copied out is given back.
    FreeValueBlock(block);
    return kFDErrBadParameter;
  }
  *array = ArrayView(block);
  return 0;
}

int16_t CFourDBaseArrayVar::GetElement(ValueBlock* block, int32_t index, CArray** array) {
  int16_t error = GetArray(block, array);
  if (error == kFDErrNone && (*array)->ComputeAddress(index) == nullptr) {
    error = kFDErrBadParameter;
  }
  return error;
}

int32_t CFourDBaseArrayVar::GetSize() {
  ValueBlock block;
  CArray* array = nullptr;
  return GetArray(&block, &array) == kFDErrNone ? array->GetArraySize() : 0;
}

template <typename T>
int16_t CFourDBaseArrayVar::GetNumberAt(int32_t index, T* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = 0;
  ValueBlock block;
  CArray* array = nullptr;
  int16_t error = GetElement(&block, index, &array);
  if (error == kFDErrNone) {
    array->At(index, *value);
  }
  return error;
}

template <typename T>
int16_t CFourDBaseArrayVar::SetNumberAt(int32_t index, T value) {
  ValueBlock block;
  CArray* array = nullptr;
  int16_t error = GetElement(&block, index, &array);
  if (error == kFDErrNone) {
    array->AtPut(index, value);
  }
  return error;
}

int16_t CFourDLongArrayVar::GetAt(int32_t index, int32_t* value) {
  return GetNumberAt(index, value);
}

int16_t CFourDLongArrayVar::SetAt(int32_t index, int32_t value) {
  return SetNumberAt(index, value);
}

int16_t CFourDRealArrayVar::GetAt(int32_t index, double* value) {
  return GetNumberAt(index, value);
}

int16_t CFourDRealArrayVar::SetAt(int32_t index, double value) {
  return SetNumberAt(index, value);
}

int16_t CFourDUnicodeArrayVar::GetAt(int32_t index, PA_Unichar* text, size_t capacity) {
  if (text == nullptr || capacity == 0) {
    return kFDErrBadParameter;
  }
  text[0] = 0;
  ValueBlock block;
  CArray* array = nullptr;
  int16_t error = GetElement(&block, index, &array);
  if (error != kFDErrNone) {
    return error;
  }
  FDStringBlock element{};
  array->At(index, element);
  size_t length = element.fString && element.fLength > 0 ? static_cast<size_t>(element.fLength) : 0;
  if (length >= capacity) {
    length = capacity - 1;
  }
  if (length > 0) {
    memcpy(text, element.fString, length * sizeof(PA_Unichar));
  }
  text[length] = 0;
  return 0;
}

int16_t CFourDUnicodeArrayVar::SetAt(int32_t index, const PA_Unichar* text) {
  ValueBlock block;
  CArray* array = nullptr;
  int16_t error = GetElement(&block, index, &array);
  if (error == kFDErrNone) {
    error = array->AtPut(index, text);
  }
  return error;
}

int16_t CFourDBase2DArrayVar::GetCell(ValueBlock* block, int32_t row, int32_t column,
                                      CArray** rowArray) {
  *rowArray = nullptr;
  CArray* array = nullptr;
  int16_t error = GetElement(block, row, &array);
  if (error != kFDErrNone) {
    return error;
  }
  auto* nested = static_cast<CArray*>(array->ComputeAddress(row));
  if (nested->GetType() != fRowKind || nested->ComputeAddress(column) == nullptr) {
    return kFDErrBadParameter;
  }
  *rowArray = nested;
  return 0;
}

int32_t CFourDBase2DArrayVar::GetRowSize(int32_t row) {
  ValueBlock block;
  CArray* array = nullptr;
  if (GetElement(&block, row, &array) != kFDErrNone) {
    return 0;
  }
  const auto* nested = static_cast<const CArray*>(array->ComputeAddress(row));
  return nested->GetType() == fRowKind ? nested->GetArraySize() : 0;
}

int16_t CFourDLong2DArrayVar::GetAt(int32_t row, int32_t column, int32_t* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  *value = 0;
  ValueBlock block;
  CArray* rowArray = nullptr;
  int16_t error = GetCell(&block, row, column, &rowArray);
  if (error == kFDErrNone) {
    rowArray->At(column, *value);
  }
  return error;
}

int16_t CFourDLong2DArrayVar::SetAt(int32_t row, int32_t column, int32_t value) {
  ValueBlock block;
  CArray* rowArray = nullptr;
  int16_t error = GetCell(&block, row, column, &rowArray);
  if (error == kFDErrNone) {
    rowArray->AtPut(column, value);
  }
  return error;
}
