#include "area/CXAreaManager.h"

#include <limits>

int32_t CXAreaManager::sLastAreaRef = 0;

CXAreaManager::CXAreaManager() : fAreaList(nullptr), fBusyDepth(0), fDoomedAreas(nullptr) {
  if (initialize_list(&fAreaList) == 0 && initialize_list(&fDoomedAreas) != 0) {
    destroy_list(&fAreaList);
  }
}

CXAreaManager::~CXAreaManager() {
  if (fAreaList != nullptr) {
    while (auto* area = static_cast<CXArea*>(remove_from_beginning(fAreaList))) {
      area->CloseArea();
      delete area;
    }
    destroy_list(&fAreaList);
  }
  fBusyDepth = 0;
  DeleteDoomedAreas();
  destroy_list(&fDoomedAreas);
}

void CXAreaManager::DeleteDoomedAreas() {
  if (fDoomedAreas == nullptr || fBusyDepth > 0) {
    return;
  }
  while (auto* area = static_cast<CXArea*>(remove_from_beginning(fDoomedAreas))) {
    delete area;
  }
}

CXAreaManager::WorkScope::WorkScope(CXAreaManager* manager) : fManager(manager) {
  if (fManager != nullptr) {
    ++fManager->fBusyDepth;
  }
}

// Ended even when the work unwinds, so that later deletions are not held back.
CXAreaManager::WorkScope::~WorkScope() {
  if (fManager == nullptr) {
    return;
  }
  if (fManager->fBusyDepth > 0) {
    --fManager->fBusyDepth;
  }
  fManager->DeleteDoomedAreas();
#ifndef NDEBUG
  if (fManager->fBusyDepth == 0) {
    fManager->DoToAllAreas([](CXArea* area, void* /*data*/) { area->CheckInvariants(); }, nullptr);
  }
#endif
}

bool CXAreaManager::LinkArea(CXArea* area) {
  if (fAreaList == nullptr || area == nullptr) {
    return false;
  }
  return add_to_end(fAreaList, area) == 0;
}

void CXAreaManager::UnlinkArea(CXArea* area) {
  if (fAreaList != nullptr && area != nullptr) {
    remove_from_list(fAreaList, area);
  }
}

namespace {

int HasAreaRef(void* item, void* ref) {
  return static_cast<CXArea*>(item)->GetAreaRef() == *static_cast<int32_t*>(ref);
}

} // namespace

CXArea* CXAreaManager::IsAnArea(int32_t areaRef) {
  if (fAreaList == nullptr || areaRef == 0) {
    return nullptr;
  }
  return static_cast<CXArea*>(first_that(fAreaList, HasAreaRef, &areaRef));
}

int32_t CXAreaManager::IssueAreaRef() {
  if (sLastAreaRef == std::numeric_limits<int32_t>::max()) {
    return 0;
  }
  return ++sLastAreaRef;
}

CXArea* CXAreaManager::HandleNewArea(AreaParams* params, int32_t* areaRefCell) {
  CXArea* area = nullptr;
  int32_t ref = IssueAreaRef();
  if (ref != 0) {
    area = CreateArea();
  }
  if (area != nullptr) {
    area->SetAreaRef(ref);
    if (LinkArea(area)) {
      area->InitArea(params);
    } else {
      delete area;
      area = nullptr;
    }
  }
  if (areaRefCell != nullptr) {
    *areaRefCell = area != nullptr ? area->GetAreaRef() : 0;
  }
  return area;
}

namespace {

struct BoundAction {
  CXAreaManager::AreaAction fAction;
  void* fData;
};

void CallBoundAction(void* item, void* bound) {
  auto* call = static_cast<BoundAction*>(bound);
  call->fAction(static_cast<CXArea*>(item), call->fData);
}

} // namespace

// Walks without the list's cursor, so an action may look areas up on its way.
void CXAreaManager::DoToAllAreas(AreaAction action, void* data) {
  if (fAreaList == nullptr || action == nullptr) {
    return;
  }
  BoundAction bound{action, data};
  perform_on_list(fAreaList, CallBoundAction, &bound);
}

bool CXAreaManager::SupportsAdvancedProperties() {
  return false;
}

int32_t CXAreaManager::DoAdvancedProperties(InitXStruct* /*init*/, const PA_Unichar* /*areaName*/,
                                            Rect* /*rect*/) {
  return 0;
}

int32_t CXAreaManager::DisposeAdvancedProperties(void* /*properties*/) {
  return 0;
}

int32_t CXAreaManager::GetMenuIconID() {
  return 0;
}

void CXAreaManager::DoDesignInit() {}
