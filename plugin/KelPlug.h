// The plug-in object's middle layer: the parts of deinitialisation that depend on the deferred
// initialisation, and no client tracking.
#pragma once

#include "plugin/FourDPlug.h"

class KelPlug : public FourDPlug {
public:
  explicit KelPlug(PlugInfo* plugInfo) : FourDPlug(plugInfo) {}

  void BigInit() override;
  void Deinit() override;
  bool CommandNeedsBigInit(int32_t selector, CXParam* params, CXResult* result) override;
  bool CanCallCommand(int32_t selector, CXParam* params, CXResult* result) override;
  bool TrackClientsOnServer() override;
};
