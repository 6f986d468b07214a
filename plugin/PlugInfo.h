// The plug-in's static descriptor and its command descriptor table, as the host reads them.
#pragma once

#include <stdint.h>

class CXParam;
class CXResult;

typedef void (*GlueProc)(CXParam* params, CXResult* result);

constexpr int kZorviCommandCount = 85;
constexpr uint32_t kCommandMaxParams = 25;

constexpr uint32_t kCommandIsArea = 0x80000000u;

// One record per command selector, selector n at index n - 1. The host reads the table byte for
// byte, so the records carry no padding. An unassigned selector's record is all zero.
#pragma pack(push, 1)
struct CommandInfo {
  const char* fName;
  uint32_t fFlags; // kCommandIsArea for the area command
  uint32_t fReserved;
  uint32_t fParamCount;
  uint8_t fParamTypes[kCommandMaxParams]; // kFDType... codes in parameter order
  uint8_t fResultType;
  GlueProc fGlue;
};
#pragma pack(pop)

// Packed product version: major (2 BCD digits), minor and fix level (a nibble each), release stage,
// non-release revision.
constexpr uint32_t kZorviVersion = 0x01718000u;
constexpr int kVersionStageDevelopment = 0x20;
constexpr int kVersionStageAlpha = 0x40;
constexpr int kVersionStageBeta = 0x60;
constexpr int kVersionStageFinal = 0x80;

struct PlugInfo {
  uint32_t fStructVersion;
  uint32_t fStructSize;
  const char* fProductName;
  uint32_t fReserved1;
  uint32_t fProductVersion;
  int16_t fResourceID; // replaced by the host's at initialisation
  int16_t fReserved2;  // cleared at initialisation
  int16_t fReserved3;
  uint16_t fCommandCount; // highest valid command selector
  const CommandInfo* fCommandTable;
  const void* fReserved4;
  uint32_t fReserved5;
};

extern PlugInfo gPlugInfo;
extern const CommandInfo gZorvi_GlueTable[kZorviCommandCount];
