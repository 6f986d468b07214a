// The version texts, all made from a packed version: major (two BCD digits), minor and fix level
// (a nibble each), release stage, non-release revision.
#include <stdio.h>

#include "plugin/FourDPlug.h"
#include "util/ZVStrings.h"

namespace {

struct VersionParts {
  int fMajor;
  int fMinor;
  int fFixLevel;
  int fStage;
  int fRevision;
};

VersionParts Split(uint32_t version) {
  return {static_cast<int>(10 * (version >> 28) + ((version >> 24) & 0xF)),
          static_cast<int>((version >> 20) & 0xF), static_cast<int>((version >> 16) & 0xF),
          static_cast<int>((version >> 8) & 0xFF), static_cast<int>(version & 0xFF)};
}

// The stage letter of the plain version text; none for a final or unknown stage.
char StageLetter(int stage) {
  switch (stage) {
  case kVersionStageDevelopment:
    return 'd';
  case kVersionStageAlpha:
    return 'a';
  case kVersionStageBeta:
    return 'b';
  default:
    return 0;
  }
}

char HostStyleStageLetter(int stage) {
  switch (stage) {
  case kVersionStageDevelopment:
    return 'D';
  case kVersionStageAlpha:
    return 'A';
  case kVersionStageBeta:
    return 'B';
  case kVersionStageFinal:
    return 'F';
  default:
    return '0';
  }
}

} // namespace

void FourDPlug::GetVersionCString(uint32_t version, char* text) {
  const VersionParts v = Split(version);
  const char letter = StageLetter(v.fStage);
  if (letter != 0 && v.fFixLevel != 0) {
    snprintf(text, 256, "%d.%d.%d%c%d", v.fMajor, v.fMinor, v.fFixLevel, letter, v.fRevision);
  } else if (letter != 0) {
    snprintf(text, 256, "%d.%d%c%d", v.fMajor, v.fMinor, letter, v.fRevision);
  } else if (v.fFixLevel != 0) {
    snprintf(text, 256, "%d.%d.%d", v.fMajor, v.fMinor, v.fFixLevel);
  } else {
    snprintf(text, 256, "%d.%d", v.fMajor, v.fMinor);
  }
}

void FourDPlug::GetVersionString(uint32_t version, unsigned char* text) {
  char plain[256];
  GetVersionCString(version, plain);
  CopyC2PStr(plain, text);
}

void FourDPlug::GetProductVersionString(unsigned char* text) const {
  GetVersionString(fPlugInfo->fProductVersion, text);
}

void FourDPlug::GetProductFullName(unsigned char* text) const {
  char version[256];
  GetVersionCString(fPlugInfo->fProductVersion, version);
  char name[512];
  snprintf(name, sizeof name, "%s v.%s",
           fPlugInfo->fProductName != nullptr ? fPlugInfo->fProductName : "", version);
  CopyC2PStr(name, text);
}

void FourDPlug::Get4DStyleVersion(unsigned char* text) const {
  const uint32_t version = fPlugInfo->fProductVersion;
  char plain[16];
  snprintf(plain, sizeof plain, "%c0%02X%02X%02X", HostStyleStageLetter((version >> 8) & 0xFF),
           version & 0xFF, version >> 24, (version >> 16) & 0xFF);
  CopyC2PStr(plain, text);
}

void FourDPlug::GetVersion(unsigned char* hostStyle, unsigned char* fullName) const {
  Get4DStyleVersion(hostStyle);
  GetProductFullName(fullName);
}
