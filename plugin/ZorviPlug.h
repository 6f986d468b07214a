// The plug-in object of this product: the generic frame plus the grid's area manager.
#pragma once

#include "plugin/KelPlug.h"

class ZorviPlug : public KelPlug {
public:
  explicit ZorviPlug(PlugInfo* plugInfo) : KelPlug(plugInfo) {}

  void Init(FDPackInitBlock* initBlock) override;
  void BigInit() override;
  void Deinit() override;
  // Areas closed by database code that a command runs are deleted once the command returns.
  void HandleCommand(int32_t selector, CXParam* params, CXResult* result) override;
};

extern ZorviPlug gZorviPlug;
