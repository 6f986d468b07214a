// Named host variables. A wrapper keeps a variable's name and kind and reads and writes it
// through the host; before each access it makes sure the host has declared it with that kind.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

enum {
  kFourDVarNameLength = 31,        // bytes of a name; longer names are cut
  kFourDDeclarationCapacity = 320, // UTF-16 units GetDeclaration may write, terminator included
};

class CFourDBaseVar {
public:
  // A name that starts with the interprocess marker (byte 0xD7, or "<>" followed by at least one
  // character) loses it and names an interprocess variable; any other names a process variable.
  CFourDBaseVar(const char* name, int16_t kind);
  // The name is kept as given.
  CFourDBaseVar(const char* name, int16_t kind, bool interprocess);

  // Declaration
  virtual void Declare();
  virtual void GetDeclaration(PA_Unichar* text); // empty when the kind has no declaration
  virtual ~CFourDBaseVar() = default;
  int16_t DefinedType(); // the kind the variable has in the host now; 5 when it has none

  // Value, declared first. A value read belongs to the caller (FreeValueBlock); a value written
  // is copied by the host. Both answer the host's error.
  int16_t GetValue(ValueBlock* value);
  int16_t SetValue(ValueBlock* value, unsigned char clearOld);

  // Identity
  const unsigned char* GetName() const { return fName; } // length-prefixed
  int16_t GetKind() const { return fKind; }
  bool IsInterprocess() const { return fInterprocess; }

protected:
  // Reading and writing without declaring.
  int16_t ReadHostValue(ValueBlock* value);
  int16_t WriteHostValue(const ValueBlock* value, unsigned char clearOld);

private:
  using UniName = PA_Unichar[kFourDVarNameLength + 1];
  void SetName(const char* name, size_t length);
  void GetUniName(UniName& name) const; // the name as the host wants it

  unsigned char fName[kFourDVarNameLength + 1];
  int16_t fKind;
  bool fInterprocess;
};
