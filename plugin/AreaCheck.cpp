#include "plugin/AreaCheck.h"

#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"

// The manager makes nothing but grid areas, so a listed area is one.
ZorvinArea* ZVLookUpArea(int32_t areaRef) {
  if (gZorvinAreaManager == nullptr) {
    return nullptr;
  }
  return static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(areaRef));
}
