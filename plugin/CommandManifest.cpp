#include "plugin/CommandManifest.h"

#include <stdio.h>

std::string FormatCommandManifest(const CommandInfo* table, int count) {
  std::string manifest;
  char field[16];
  for (int selector = 1; selector <= count; ++selector) {
    const CommandInfo& command = table[selector - 1];
    if (command.fName == nullptr) {
      continue;
    }
    snprintf(field, sizeof field, "%d ", selector);
    manifest += field;
    manifest += command.fName;
    snprintf(field, sizeof field, " %08X %02X ", command.fFlags, command.fResultType);
    manifest += field;
    const uint32_t paramCount =
        command.fParamCount < kCommandMaxParams ? command.fParamCount : kCommandMaxParams;
    for (uint32_t i = 0; i < paramCount; ++i) {
      snprintf(field, sizeof field, i == 0 ? "%02X" : ",%02X", command.fParamTypes[i]);
      manifest += field;
    }
    if (paramCount == 0) {
      manifest += '-';
    }
    manifest += '\n';
  }
  return manifest;
}
