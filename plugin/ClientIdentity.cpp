// The client's identity message: who the server's client is, sent once at initialisation by
// plug-ins that track their clients.
#include "plugin/ClientIdentity.h"

#include "host/FourD.h"
#include "plugin/FourDPlug.h"

void FourDPlug::SendClientIdentity() {
  const ClientIdentity identity = CollectClientIdentity();
  FDHandle message = MakeIdentityMessage(identity.fOwner, identity.fMachine, identity.fUser);
  if (message == nullptr) {
    return;
  }
  FourD::WriteOnServer(0, kFrameClientIdentity, message);
  FourD::DisposeHandle(message);
}
