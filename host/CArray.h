// A view of a host array: the object is the host's array block itself (kind byte, filler,
// element count at 2, data handle at 6, current index after it), so a pointer to the host's
// block is used as a CArray*. The data handle holds count + 1 elements; element 0 always exists.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

class CArray {
public:
  // Kind
  unsigned char GetType() const;
  bool IsArray() const; // kinds 13 to 17, 19, 22 and 34
  bool IsUndefined() const { return GetType() == kFDUndefined; }
  bool IsArrayOfArrays() const { return GetType() == kFDArrayOfArrays; }
  bool IsArrayReal() const { return GetType() == kFDArrayReal; }
  bool IsArrayInteger() const { return GetType() == kFDArrayInteger; }
  bool IsArrayLongint() const { return GetType() == kFDArrayLongint; }
  bool IsArrayDate() const { return GetType() == kFDArrayDate; }
  bool IsArrayPicture() const { return GetType() == kFDArrayPicture; }
  bool IsArrayBoolean() const { return GetType() == kFDArrayBoolean; }
  bool IsArrayUnicode() const { return GetType() == kFDArrayText; }
  static size_t ElementSize(unsigned char kind); // 0 for a kind that is not an array
  size_t ElementSize() const { return ElementSize(GetType()); }

  // Size: 0 for a block that is not an array. Resizing answers 0, -50 for a negative size, or
  // the host's memory error with the count unchanged.
  int32_t GetArraySize() const;
  int32_t SetArraySize(int32_t size);

  // Elements, 0 to the count. Out of range reads give zero and writes do nothing.
  void* ComputeAddress(int32_t index) const;
  void At(int32_t index, int32_t& value) const; // integer arrays (kinds 15, 16)
  void AtPut(int32_t index, int32_t value);
  void At(int32_t index, double& value) const; // real arrays
  void AtPut(int32_t index, double value);
  void At(int32_t index, FDStringBlock& value) const;   // text arrays: the block's words
  int16_t AtPut(int32_t index, const PA_Unichar* text); // replaces the text through the host
  int32_t Find(int32_t value) const;                    // first index from 1, or -1

  // The data handle's lock state (nothing without a handle).
  void Lock();
  void Unlock();
  signed char GetState() const;
  void SetState(signed char state);

  FDHandle GetDataHandle() const;
  int16_t GetCurrentIndex() const;

private:
  void SetCount(int32_t count);
  void ReleaseElements(int32_t first, int32_t last);
  int32_t InitNestedArrays(int32_t first, int32_t last);

  unsigned char fBlock[kFDArrayBlockSize]; // the host's storage
};

static_assert(sizeof(CArray) == kFDArrayBlockSize, "CArray must overlay the host's array block");

// Keeps an array's data handle locked for a scope and then restores the state it had.
class SArrayLocker {
public:
  explicit SArrayLocker(CArray* array);
  ~SArrayLocker();
  SArrayLocker(const SArrayLocker&) = delete;
  SArrayLocker& operator=(const SArrayLocker&) = delete;

private:
  CArray* fArray;
  signed char fState;
};
