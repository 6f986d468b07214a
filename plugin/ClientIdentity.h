// Who the server's client is: the machine's owner, the machine's name and the user, as the
// platform knows them (empty where it does not).
#pragma once

#include "plugin/ServerRecords.h"

struct ClientIdentity {
  PA_Unichar fOwner[kClientNameUnits] = {};
  PA_Unichar fMachine[kClientNameUnits] = {};
  PA_Unichar fUser[kClientNameUnits] = {};
};

ClientIdentity CollectClientIdentity();
