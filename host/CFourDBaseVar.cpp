#include "host/CFourDBaseVar.h"

#include <stdio.h>
#include <string.h>

#include "host/FourD.h"
#include "host/HostText.h"
#include "host/ValueBlock.h"

namespace {

constexpr unsigned char kInterprocessMarkerByte = 0xD7;

// The host command that declares a variable of each kind.
int32_t DeclarationCommand(int16_t kind) {
  switch (kind) {
  case kFDReal:
    return 285;
  case kFDDate:
    return 307;
  case kFDBoolean:
    return 305;
  case kFDLongint:
    return 283;
  case kFDPicture:
    return 286;
  case kFDTime:
    return 306;
  case kFDPointer:
    return 301;
  case kFDBlob:
    return 604;
  case kFDText:
    return 284;
  default:
    return 0;
  }
}

} // namespace

CFourDBaseVar::CFourDBaseVar(const char* name, int16_t kind)
    : fName{0}, fKind(kind), fInterprocess(false) {
  size_t length = name ? strlen(name) : 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(name);
  if (length >= 2 && bytes[0] == kInterprocessMarkerByte) {
    fInterprocess = true;
    SetName(name + 1, length - 1);
  } else if (length >= 3 && name[0] == '<' && name[1] == '>') {
    fInterprocess = true;
    SetName(name + 2, length - 2);
  } else {
    SetName(name, length);
  }
}

CFourDBaseVar::CFourDBaseVar(const char* name, int16_t kind, bool interprocess)
    : fName{0}, fKind(kind), fInterprocess(interprocess) {
  SetName(name, name ? strlen(name) : 0);
}

void CFourDBaseVar::SetName(const char* name, size_t length) {
  if (length > kFourDVarNameLength) {
    length = kFourDVarNameLength;
  }
  fName[0] = static_cast<unsigned char>(length);
  if (length > 0) {
    memcpy(fName + 1, name, length);
  }
}

// Each byte gives at most one unit, so the name always fits.
void CFourDBaseVar::GetUniName(UniName& name) const {
  FourD::BytesToUni(reinterpret_cast<const char*>(fName + 1), fName[0], name,
                    sizeof name / sizeof name[0]);
}

int16_t CFourDBaseVar::ReadHostValue(ValueBlock* value) {
  UniName name;
  GetUniName(name);
  return fInterprocess ? FourD::GetVariableIP(name, value) : FourD::GetVariable(name, value);
}

int16_t CFourDBaseVar::WriteHostValue(const ValueBlock* value, unsigned char clearOld) {
  UniName name;
  GetUniName(name);
  return fInterprocess ? FourD::SetVariableIP(name, value, clearOld)
                       : FourD::SetVariable(name, value, clearOld);
}

int16_t CFourDBaseVar::DefinedType() {
  ValueBlock value;
  ClearValueBlock(&value, 0);
  ReadHostValue(&value);
  int16_t kind = GetValueKind(&value);
  // The host answers a copy: a text or a picture read only to learn the kind is given back.
  FreeValueBlock(&value);
  return kind;
}

void CFourDBaseVar::Declare() {
  if (FourD::IsCompiled() || DefinedType() == fKind) {
    return;
  }
  PA_Unichar text[kFourDDeclarationCapacity];
  GetDeclaration(text);
  int32_t length = static_cast<int32_t>(FourD::UniLength(text));
  if (length == 0) {
    return;
  }
  FDHandle tokens = nullptr;
  if (FourD::TokenizeProcV12(text, length, &tokens) == kFDErrNone && tokens != nullptr) {
    FourD::ExecTokenizedProcV12(tokens);
    FourD::DisposeHandleV11(tokens);
  }
}

void CFourDBaseVar::GetDeclaration(PA_Unichar* text) {
  if (text == nullptr) {
    return;
  }
  text[0] = 0;
  int32_t command = DeclarationCommand(fKind);
  char commandName[kFDMaxStringUnits * 3];
  if (command == 0 || FourD::GetCommandName(command, commandName, sizeof commandName) != 0 ||
      commandName[0] == '\0') {
    return;
  }
  char declaration[kFourDDeclarationCapacity];
  int length = snprintf(declaration, sizeof declaration, "%s(%s%.*s)", commandName,
                        fInterprocess ? "<>" : "", static_cast<int>(fName[0]), fName + 1);
  if (length > 0 && static_cast<size_t>(length) < sizeof declaration) {
    FourD::BytesToUni(declaration, static_cast<size_t>(length), text, kFourDDeclarationCapacity);
  }
}

int16_t CFourDBaseVar::GetValue(ValueBlock* value) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  Declare();
  return ReadHostValue(value);
}

int16_t CFourDBaseVar::SetValue(ValueBlock* value, unsigned char clearOld) {
  if (value == nullptr) {
    return kFDErrBadParameter;
  }
  Declare();
  return WriteHostValue(value, clearOld);
}
