// The version commands, which work in every build.
#include "plugin/CommandErrors.h"
#include "plugin/CommandOutputs.h"
#include "plugin/Commands.h"
#include "plugin/ZorviPlug.h"

int32_t ZV_GetVersion(FDStringBlock* version, FDStringBlock* fullName) {
  unsigned char hostStyle[256];
  unsigned char name[256];
  gZorviPlug.GetVersion(hostStyle, name);
  RenewTextOutput(version);
  SetTextOutputFromPStr(version, hostStyle);
  RenewTextOutput(fullName);
  SetTextOutputFromPStr(fullName, name);
  return kZVErrNone;
}

int32_t ZVObs_GetQuickTimeVersion() {
  return kZVErrNone;
}
