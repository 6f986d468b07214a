#include "plugin/KelPlug.h"

void KelPlug::BigInit() {
  FourDPlug::BigInit();
}

void KelPlug::Deinit() {
  if (fBigInitDone) {
    FourDPlug::Deinit();
    return;
  }
  // The deferred initialisation never ran, yet the registries that Init made must not outlive
  // the host's session.
  ReleaseRegistries(true);
}

bool KelPlug::CommandNeedsBigInit(int32_t, CXParam*, CXResult*) {
  return false;
}

bool KelPlug::CanCallCommand(int32_t, CXParam*, CXResult*) {
  return true;
}

bool KelPlug::TrackClientsOnServer() {
  return false;
}
