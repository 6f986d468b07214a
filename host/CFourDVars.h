// Typed wrappers of single-valued host variables. Each get and set answers the host's error,
// or -1999 when the variable holds a kind the getter cannot convert.
#pragma once

#include <stddef.h>

#include "host/CFourDBaseVar.h"

class CFourDLongVar : public CFourDBaseVar {
public:
  explicit CFourDLongVar(const char* name) : CFourDBaseVar(name, kFDLongint) {}
  CFourDLongVar(const char* name, bool interprocess)
      : CFourDBaseVar(name, kFDLongint, interprocess) {}
  int16_t GetLongValue(int32_t* value);
  int16_t SetLongValue(int32_t value);
};

class CFourDRealVar : public CFourDBaseVar {
public:
  explicit CFourDRealVar(const char* name) : CFourDBaseVar(name, kFDReal) {}
  int16_t GetRealValue(double* value);
  int16_t SetRealValue(double value);
};

class CFourDBooleanVar : public CFourDBaseVar {
public:
  explicit CFourDBooleanVar(const char* name) : CFourDBaseVar(name, kFDBoolean) {}
  int16_t GetBooleanValue(bool* value);
  int16_t SetBooleanValue(bool value);
};

class CFourDUnicodeVar : public CFourDBaseVar {
public:
  explicit CFourDUnicodeVar(const char* name) : CFourDBaseVar(name, kFDText) {}
  // Copies the text, cut to `capacity` units with the terminator.
  int16_t GetUnicodeValue(PA_Unichar* text, size_t capacity);
  int16_t SetUnicodeValue(const PA_Unichar* text, int32_t length);
};

class CFourDBlobVar : public CFourDBaseVar {
public:
  explicit CFourDBlobVar(const char* name) : CFourDBaseVar(name, kFDBlob) {}
  // The handle is the caller's, to be disposed of through the host.
  int16_t GetBlobValue(FDHandle* data, int32_t* size);
  int16_t SetBlobValue(const void* bytes, int32_t size);
};

// The pointer record is the host's own; it travels as a whole value block of kind 23.
class CFourDPointerVar : public CFourDBaseVar {
public:
  explicit CFourDPointerVar(const char* name) : CFourDBaseVar(name, kFDPointer) {}
  int16_t GetPointerValue(ValueBlock* pointer);
  int16_t SetPointerValue(const ValueBlock* pointer);
};
