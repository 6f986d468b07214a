// The client's identity on Windows: the computer's name and the signed-in user, whose name also
// stands for the owner (the full name lies in a library the plug-in does not link).
#include <windows.h>

#include <string.h>

#include "plugin/ClientIdentity.h"

ClientIdentity CollectClientIdentity() {
  static_assert(sizeof(WCHAR) == sizeof(PA_Unichar));
  ClientIdentity identity;
  WCHAR name[kClientNameUnits] = {};
  DWORD units = kClientNameUnits;
  if (GetComputerNameW(name, &units)) {
    memcpy(identity.fMachine, name, sizeof name);
  }
  memset(name, 0, sizeof name);
  units = GetEnvironmentVariableW(L"USERNAME", name, kClientNameUnits);
  if (units > 0 && units < kClientNameUnits) {
    memcpy(identity.fUser, name, sizeof name);
    memcpy(identity.fOwner, name, sizeof name);
  }
  return identity;
}
