// The one live area manager: it makes grid areas and holds their default properties.
#pragma once

#include <stdint.h>

#include "area/CXAreaManager.h"

// The area flags a new area starts with (bit 21 scroll by cell, bit 22 tips enabled).
struct ZorvinAreaProps {
  uint32_t fFlags;
};

class ZorvinAreaManager : public CXAreaManager {
public:
  ZorvinAreaManager() = default;
  ~ZorvinAreaManager() override = default;

  CXArea* CreateArea() override;
  void DoDrawStructure14(gfx::Graphics* graphics, Rect* rect, const PA_Unichar* areaName,
                         int32_t modifiers) override;

  void SetDefaultProperties(ZorvinAreaProps* props);
  void SetStandaloneWindowProperties(ZorvinAreaProps* props);
};

extern ZorvinAreaManager* gZorvinAreaManager;

// Makes the manager when there is none; false when it could not be made.
bool InitZorvinArea();
// Deletes the manager, closing and deleting every area still listed.
void DeinitZorvinArea();
