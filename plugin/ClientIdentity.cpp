// The client's identity message: who the server's client is, sent once at initialisation by
// plug-ins that track their clients.
#include <pwd.h>
#include <string.h>
#include <unistd.h>

#include "host/FourD.h"
#include "host/HostText.h"
#include "plugin/FourDPlug.h"

namespace {

struct Identity {
  PA_Unichar fOwner[kClientNameUnits] = {};
  PA_Unichar fMachine[kClientNameUnits] = {};
  PA_Unichar fUser[kClientNameUnits] = {};
};

void ToUnits(const char* text, PA_Unichar* out) {
  FourD::BytesToUni(text, strlen(text), out, kClientNameUnits);
}

// The owner is the account's full name (its first comma-separated field), else its login.
Identity CollectIdentity() {
  Identity identity;
  char host[kClientNameUnits] = {};
  if (gethostname(host, sizeof host - 1) == 0) {
    ToUnits(host, identity.fMachine);
  }
  const passwd* account = getpwuid(geteuid());
  if (account == nullptr) {
    return identity;
  }
  ToUnits(account->pw_name, identity.fUser);
  char owner[kClientNameUnits] = {};
  if (account->pw_gecos != nullptr) {
    strncpy(owner, account->pw_gecos, sizeof owner - 1);
  }
  if (char* comma = strchr(owner, ',')) {
    *comma = 0;
  }
  ToUnits(owner[0] != 0 ? owner : account->pw_name, identity.fOwner);
  return identity;
}

} // namespace

void FourDPlug::SendClientIdentity() {
  const Identity identity = CollectIdentity();
  FDHandle message = MakeIdentityMessage(identity.fOwner, identity.fMachine, identity.fUser);
  if (message == nullptr) {
    return;
  }
  FourD::WriteOnServer(0, kFrameClientIdentity, message);
  FourD::DisposeHandle(message);
}
