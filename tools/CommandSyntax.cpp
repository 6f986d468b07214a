#include "tools/CommandSyntax.h"

#include "sdk/FourDPluginAPI.h"

namespace {

const char* KindName(uint8_t type) {
  switch (type & kFDTypeKindMask) {
  case kFDTypeLongIn& kFDTypeKindMask:
    return "Longint";
  case kFDTypePictureIn& kFDTypeKindMask:
    return "Picture";
  case kFDTypeTextIn& kFDTypeKindMask:
    return "Text";
  case kFDTypeLongArrayIn& kFDTypeKindMask:
    return "Array Longint";
  case kFDTypeTextArrayIn& kFDTypeKindMask:
    return "Array Text";
  default:
    return "?";
  }
}

} // namespace

std::string CommandSyntaxLine(const CommandInfo& command) {
  std::string line = command.fName != nullptr ? command.fName : "";
  if ((command.fFlags & kCommandIsArea) != 0) {
    return line + ": plug-in area";
  }
  line += '(';
  const uint32_t count =
      command.fParamCount < kCommandMaxParams ? command.fParamCount : kCommandMaxParams;
  for (uint32_t i = 0; i < count; ++i) {
    if (i > 0) {
      line += "; ";
    }
    if ((command.fParamTypes[i] & kFDTypeOutput) != 0) {
      line += "var ";
    }
    line += KindName(command.fParamTypes[i]);
  }
  line += ')';
  if (command.fResultType != 0) {
    line += " -> ";
    line += KindName(command.fResultType);
  }
  return line;
}
