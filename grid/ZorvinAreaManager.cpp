#include "grid/ZorvinAreaManager.h"

#include <new>

#include "grid/ZorvinArea.h"

ZorvinAreaManager* gZorvinAreaManager = nullptr;

// The only kind of area this manager makes, which is what lets commands take a listed area
// for a grid area.
CXArea* ZorvinAreaManager::CreateArea() {
  try {
    return new (std::nothrow) ZorvinArea;
  } catch (...) { // a member's allocation inside the constructor
    return nullptr;
  }
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
