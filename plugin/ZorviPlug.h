// The plug-in object of this product: the generic frame plus the grid's area manager.
#pragma once

#include "plugin/KelPlug.h"

class ZorviPlug : public KelPlug {
public:
  explicit ZorviPlug(PlugInfo* plugInfo) : KelPlug(plugInfo) {}

  void Init(FDPackInitBlock* initBlock) override;
  void BigInit() override;
  void Deinit() override;
};

extern ZorviPlug gZorviPlug;
