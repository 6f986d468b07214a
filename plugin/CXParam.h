// One cell of a command's parameter block: a pointer to the storage of one parameter, which the
// host owns for the duration of the call. Outputs are written in place, never copied back.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

class CArray;

class CXParam {
public:
  // Scalars
  int16_t GetShort() const;
  int16_t* GetShortPtr() const { return static_cast<int16_t*>(fCell); }
  int32_t GetLong() const;
  int32_t* GetLongPtr() const { return static_cast<int32_t*>(fCell); }
  unsigned char GetBoolean() const;
  unsigned char* GetBooleanPtr() const { return static_cast<unsigned char*>(fCell); }
  double GetNativeReal() const;
  double* GetNativeRealPtr() const { return static_cast<double*>(fCell); }
  void SetShort(int16_t value);
  void SetLong(int32_t value);
  void SetBoolean(unsigned char value);
  void SetNativeReal(double value);

  // Host records
  EventRecord* GetEventPtr() const { return static_cast<EventRecord*>(fCell); }
  void GetEvent(EventRecord* event) const;
  Rect* GetRectPtr() const { return static_cast<Rect*>(fCell); }
  void GetRect(Rect& rect) const;
  DateBlock* GetDate4DPtr() const { return static_cast<DateBlock*>(fCell); }
  void GetDate4D(DateBlock& date) const;
  void SetDate4D(const DateBlock* date);

  // Texts, pictures, handles, value blocks, arrays
  PA_Unichar* GetUniCharPtr() const { return static_cast<PA_Unichar*>(fCell); }
  FDStringBlock* GetFDStringBlockPtr() const { return static_cast<FDStringBlock*>(fCell); }
  FDPicture GetFDPictureRef() const;
  FDPicture* GetFDPictureRefPtr() const { return static_cast<FDPicture*>(fCell); }
  FDHandle GetHandle() const;
  FDHandle* GetHandlePtr() const { return static_cast<FDHandle*>(fCell); }
  void GetVarRec(ValueBlock& value) const;
  ValueBlock* GetVarRecPtr() const { return static_cast<ValueBlock*>(fCell); }
  CArray* GetArrayPtr() const { return static_cast<CArray*>(fCell); }

  // Compiled code passes a pointer parameter as a pointer value block; interpreted code passes
  // the pointer itself.
  void* GetPointerPtr() const;

  // The raw cell, for the frame's structural checks.
  void* GetCell() const { return fCell; }

private:
  void* fCell;
};

// The host's parameter block is a plain array of pointers; CXParam must be exactly one of them.
static_assert(sizeof(CXParam) == sizeof(void*));
