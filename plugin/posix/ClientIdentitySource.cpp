// The client's identity on POSIX systems: the host name and the account.
#include <pwd.h>
#include <string.h>
#include <unistd.h>

#include "host/HostText.h"
#include "plugin/ClientIdentity.h"

namespace {

void ToUnits(const char* text, PA_Unichar* out) {
  FourD::BytesToUni(text, strlen(text), out, kClientNameUnits);
}

} // namespace

// The owner is the account's full name (its first comma-separated field), else its login.
ClientIdentity CollectClientIdentity() {
  ClientIdentity identity;
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
