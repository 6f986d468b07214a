// The owner of every plug-in area: creates, lists, validates and destroys areas, issues their
// references and answers the host events that concern no single area.
#pragma once

#include <stdint.h>

#include "area/CXArea.h"
#include "sdk/FourDPluginAPI.h"
#include "util/ZVList.h"

class CXAreaManager {
public:
  using AreaAction = void (*)(CXArea* area, void* data);

  CXAreaManager();
  // Closes and deletes every area still listed.
  virtual ~CXAreaManager();
  CXAreaManager(const CXAreaManager&) = delete;
  CXAreaManager& operator=(const CXAreaManager&) = delete;

  // The list: false when it could not be made (no memory); such a manager does nothing.
  bool IsReady() const { return fAreaList != nullptr; }

  // Areas. LinkArea answers false when the area could not be listed.
  virtual bool LinkArea(CXArea* area);
  virtual void UnlinkArea(CXArea* area);
  // The listed area a reference names, or null (0, stale and forged references).
  virtual CXArea* IsAnArea(int32_t areaRef);
  virtual CXArea* CreateArea() = 0;
  // Creates, references, links and initialises an area; writes its reference (0 when none)
  // into the host's reference cell.
  virtual CXArea* HandleNewArea(AreaParams* params, int32_t* areaRefCell);

  // One host event: the names are zero-terminated (null reads as empty), the cell is the
  // area's reference cell.
  virtual void DispatchEvent(EventRecord* event, Rect* rect, const PA_Unichar* areaName,
                             const PA_Unichar* objectName, int32_t* areaRefCell);

  // Form editor and advanced properties
  virtual void DoDrawStructure14(gfx::Graphics* graphics, Rect* rect, const PA_Unichar* areaName,
                                 int32_t modifiers) = 0;
  virtual bool SupportsAdvancedProperties();
  virtual int32_t DoAdvancedProperties(InitXStruct* init, const PA_Unichar* areaName, Rect* rect);
  virtual int32_t DisposeAdvancedProperties(void* properties);
  virtual int32_t GetMenuIconID();
  virtual void DoDesignInit();

  // A command or an event running on areas, for the scope's life: an area deinitialised
  // meanwhile is unlinked at once and deleted only when the last of them has returned, since
  // database code run by a command may close the window of the area the command works on.
  class WorkScope {
  public:
    explicit WorkScope(CXAreaManager* manager);
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

  private:
    CXAreaManager* fManager; // null: nothing to hold back
  };

  // Walking the list, in list order; the action must not link or unlink areas.
  void DoToAllAreas(AreaAction action, void* data);
  GenericList* GetAreaList() const { return fAreaList; }

protected:
  GenericList* fAreaList;

private:
  // Areas deinitialised while a command or an event was still running: unlinked at once,
  // deleted when the last one returns.
  int32_t fBusyDepth;
  GenericList* fDoomedAreas;

  // 0 once the counter is spent: references are never reused while the process runs.
  static int32_t IssueAreaRef();
  void DeinitArea(int32_t* areaRefCell);
  void SendToArea(CXArea* area, EventRecord* event, Rect* rect);
  void DeleteDoomedAreas();
  void DrawStructure(EventRecord* event, Rect* rect, const PA_Unichar* areaName);

  static int32_t sLastAreaRef;
};
