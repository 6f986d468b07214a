// The server side's records of connected clients and pending function calls, and the identity
// message a client sends about itself.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

enum { kClientNameUnits = 256 };

struct FourDClient {
  int32_t fCookie; // the host's identity of the connection
  int32_t fProcessNumber;
  PA_Unichar fMachineOwner[kClientNameUnits]; // zero-terminated
  PA_Unichar fMachineName[kClientNameUnits];
  PA_Unichar fUserName[kClientNameUnits];
};

struct ServerCall {
  int16_t fSelector;
  int32_t fCallID;
  FDHandle fData;   // the arguments, owned by the call
  FDHandle fResult; // set by the function; owned by the call
};

// Frame messages carry call ID 0 and one of these selectors.
enum : int16_t { kFrameCallIDRequest = -1, kFrameClientIdentity = -2 };

// Three names, each a length byte followed by that many UTF-16 units.
// Copies the names into the client only when the whole message lies within `size` bytes.
bool ReadIdentityMessage(const void* data, int32_t size, FourDClient* client);
// The message as a new host handle, each name cut to 255 units; null without memory.
FDHandle MakeIdentityMessage(const PA_Unichar* owner, const PA_Unichar* machine,
                             const PA_Unichar* user);
