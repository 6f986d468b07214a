// The one place where the plug-in calls the host's callback entry.
#pragma once

#include "sdk/FourDPluginAPI.h"

namespace FourD {

// Calls the entry kept by Init with a block the caller has zeroed and filled. Before Init
// nothing is called and the answer is kFDErrNotAvailable.
int16_t CallHost(int16_t selector, FDEngineBlock& block);

// The host's out text, terminated even if the host filled the whole buffer.
inline const PA_Unichar* OutText(FDEngineBlock& block) {
  block.fUString[kFDMaxStringUnits - 1] = 0;
  return block.fUString;
}

} // namespace FourD
