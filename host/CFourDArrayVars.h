// Typed wrappers of host array variables. The host answers an array variable with its own array
// block, so elements are read and written in place; the database declares and sizes the array.
// Gets and sets answer 0, the host's error, or -50 when the variable is not an array of the
// wrapper's kind or the element is out of range (a get then gives zero or the empty text).
#pragma once

#include <stddef.h>

#include "host/CArray.h"
#include "host/CFourDBaseVar.h"

class CFourDBaseArrayVar : public CFourDBaseVar {
public:
  CFourDBaseArrayVar(const char* name, int16_t kind) : CFourDBaseVar(name, kind) {}
  int32_t GetSize(); // 0 when the variable is not an array of the kind

protected:
  // `block` keeps the host's array block that `array` views; nothing in it is to be released.
  int16_t GetArray(ValueBlock* block, CArray** array);
  int16_t GetElement(ValueBlock* block, int32_t index, CArray** array);
  // One element of a number array, 0 when it cannot be read.
  template <typename T>
  int16_t GetNumberAt(int32_t index, T* value);
  template <typename T>
  int16_t SetNumberAt(int32_t index, T value);
};

class CFourDLongArrayVar : public CFourDBaseArrayVar {
public:
  explicit CFourDLongArrayVar(const char* name) : CFourDBaseArrayVar(name, kFDArrayLongint) {}
  int16_t GetAt(int32_t index, int32_t* value);
  int16_t SetAt(int32_t index, int32_t value);
};

class CFourDRealArrayVar : public CFourDBaseArrayVar {
public:
  explicit CFourDRealArrayVar(const char* name) : CFourDBaseArrayVar(name, kFDArrayReal) {}
  int16_t GetAt(int32_t index, double* value);
  int16_t SetAt(int32_t index, double value);
};

class CFourDUnicodeArrayVar : public CFourDBaseArrayVar {
public:
  explicit CFourDUnicodeArrayVar(const char* name) : CFourDBaseArrayVar(name, kFDArrayText) {}
  int16_t GetAt(int32_t index, PA_Unichar* text, size_t capacity); // cut to fit
  int16_t SetAt(int32_t index, const PA_Unichar* text);
};

// Two-dimensional arrays: an array of arrays whose rows are arrays of `rowKind`.
class CFourDBase2DArrayVar : public CFourDBaseArrayVar {
public:
  CFourDBase2DArrayVar(const char* name, unsigned char rowKind)
      : CFourDBaseArrayVar(name, kFDArrayOfArrays), fRowKind(rowKind) {}
  int32_t GetRowSize(int32_t row); // 0 when there is no such row

protected:
  int16_t GetCell(ValueBlock* block, int32_t row, int32_t column, CArray** rowArray);

private:
  unsigned char fRowKind;
};

class CFourDLong2DArrayVar : public CFourDBase2DArrayVar {
public:
  explicit CFourDLong2DArrayVar(const char* name) : CFourDBase2DArrayVar(name, kFDArrayLongint) {}
  int16_t GetAt(int32_t row, int32_t column, int32_t* value);
  int16_t SetAt(int32_t row, int32_t column, int32_t value);
};
