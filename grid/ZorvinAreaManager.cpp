#include "grid/ZorvinAreaManager.h"

#include <new>

ZorvinAreaManager* gZorvinAreaManager = nullptr;

CXArea* ZorvinAreaManager::CreateArea() {
  // Grid areas arrive with the grid area class.
  return nullptr;
}

void ZorvinAreaManager::DoDrawStructure14(gfx::Graphics* /*graphics*/, Rect* /*rect*/,
                                          const PA_Unichar* /*areaName*/, int32_t /*modifiers*/) {
  // The form editor's placeholder picture comes with the grid's drawing.
}

void ZorvinAreaManager::SetDefaultProperties(ZorvinAreaProps* props) {
  if (props != nullptr)
    props->fFlags = 0;
}

void ZorvinAreaManager::SetStandaloneWindowProperties(ZorvinAreaProps* /*props*/) {}

bool InitZorvinArea() {
  if (gZorvinAreaManager != nullptr)
    return true;
  auto* manager = new (std::nothrow) ZorvinAreaManager;
  if (manager == nullptr)
    return false;
  if (!manager->IsReady()) {
    delete manager;
    return false;
  }
  gZorvinAreaManager = manager;
  return true;
}

void DeinitZorvinArea() {
  ZorvinAreaManager* manager = gZorvinAreaManager;
  // Cleared first: areas closing during the deletion must not find a manager half torn down.
  gZorvinAreaManager = nullptr;
  delete manager;
}
