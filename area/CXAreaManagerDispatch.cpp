// The host's area events as the manager answers them: creation, destruction, form-editor
// drawing and properties here; everything else goes to the area the reference cell names.
#include <cstring>

#include "area/AreaEvents.h"
#include "area/AreaParamsBuilder.h"
#include "area/CXAreaManager.h"
#include "gfx/Graphics.h"

namespace {

// Offset of the device context in the host's form-editor drawing record.
constexpr size_t kDrawRecordDeviceContext = 50;

} // namespace

void CXAreaManager::DispatchEvent(EventRecord* event, Rect* rect, const PA_Unichar* areaName,
                                  const PA_Unichar* objectName, int32_t* areaRefCell) {
  if (event == nullptr) {
    return;
  }
  switch (event->what) {
  case kAreaInit: {
    AreaParams params;
    BuildAreaParams(*event, areaName, objectName, &params);
    FillAreaWindow(areaRefCell, &params);
    HandleNewArea(&params, areaRefCell);
    break;
  }
  case kAreaInitExtended: {
    AreaParams params;
    if (!BuildAreaParamsExtended(*event, areaName, objectName, &params)) {
      if (areaRefCell != nullptr) {
        *areaRefCell = 0;
      }
      break;
    }
    HandleNewArea(&params, areaRefCell);
    event->modifiers = kAreaReplyExtendedInit;
    break;
  }
  case kAreaDeinit:
    DeinitArea(areaRefCell);
    break;
  case kAreaDrawStructure:
    DrawStructure(event, rect, areaName);
    break;
  case kAreaAdvancedProperties:
    if (SupportsAdvancedProperties()) {
      event->modifiers = static_cast<uint16_t>(
          DoAdvancedProperties(reinterpret_cast<InitXStruct*>(event->message), areaName, rect));
    }
    break;
  case kAreaDisposeAdvancedProperties:
    if (SupportsAdvancedProperties()) {
      event->modifiers =
          static_cast<uint16_t>(DisposeAdvancedProperties(reinterpret_cast<void*>(event->message)));
    }
    break;
  case kAreaAskAdvancedProperties:
    event->message = SupportsAdvancedProperties() ? kAreaAskAdvancedProperties : 0;
    break;
  case kAreaAskMenuIcon:
    if (int32_t icon = GetMenuIconID(); icon != 0) {
      event->message = kAreaAskMenuIcon;
      event->when = icon;
    }
    break;
  case kAreaDesignInit:
    DoDesignInit();
    break;
  default:
    // The cell is the host's to write; whatever it holds is checked against the list.
    if (areaRefCell != nullptr) {
      if (CXArea* area = IsAnArea(*areaRefCell)) {
        SendToArea(area, event, rect);
      }
    }
    break;
  }
}

void CXAreaManager::SendToArea(CXArea* area, EventRecord* event, Rect* rect) {
  WorkScope scope(this);
  area->HandleEvent(event, rect);
}

void CXAreaManager::DeinitArea(int32_t* areaRefCell) {
  if (areaRefCell == nullptr) {
    return;
  }
  if (CXArea* area = IsAnArea(*areaRefCell)) {
    area->CloseArea();
    UnlinkArea(area);
    // A command or an event may still be running inside this area: it is deleted once that
    // returns (and rather leaked than freed under it when even that cannot be noted).
    if (fBusyDepth == 0) {
      delete area;
    } else {
      add_to_end(fDoomedAreas, area);
    }
  }
  *areaRefCell = 0;
}

void CXAreaManager::DrawStructure(EventRecord* event, Rect* rect, const PA_Unichar* areaName) {
  const auto* record = reinterpret_cast<const unsigned char*>(event->when);
  if (record == nullptr) {
    return;
  }
  FDDeviceContext* dc = nullptr;
  std::memcpy(&dc, record + kDrawRecordDeviceContext, sizeof dc);
  gfx::Graphics graphics(dc);
  if (graphics.GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  DoDrawStructure14(&graphics, rect, areaName, event->modifiers);
  event->message = kAreaReplyStructureDrawn;
}
