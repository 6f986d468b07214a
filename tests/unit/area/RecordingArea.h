// An area and a manager that record which operation each event reached, with the answers a test
// chooses; and a host entry that stands before the emulator to see invalidations and edit-menu
// updates and to supply key event info, which the emulator has no window for.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "area/CXArea.h"
#include "area/CXAreaManager.h"
#include "zvhost/Host.h"

struct Invalidation {
  int32_t fAreaRef;
  bool fWhole;
  Rect fRect;
  bool fImmediately;
};

struct AreaTestHost {
  static inline std::vector<Invalidation> sInvalidations;
  static inline std::vector<int32_t> sEditMenuItems;
  static inline bool sKeyInfoAvailable = false;
  static inline int32_t sKeyCode = 0;
  static inline int32_t sCharCode = 0;

  static void Reset() {
    sInvalidations.clear();
    sEditMenuItems.clear();
    sKeyInfoAvailable = false;
    sKeyCode = sCharCode = 0;
  }

  static void Entry(int16_t selector, FDEngineBlock* block) {
    switch (selector) {
    case kFDInvalidateAreaRect: {
      Invalidation seen{block->fParam1, block->fPtr1 == nullptr, {}, block->fParam2 != 0};
      if (block->fPtr1 != nullptr) {
        seen.fRect = *static_cast<Rect*>(block->fPtr1);
      }
      sInvalidations.push_back(seen);
      return;
    }
    case kFDUpdateEditMenu:
      sEditMenuItems.push_back(block->fParam1);
      return;
    case kFDGetAreaKeyEventInfo:
      if (!sKeyInfoAvailable) {
        break;
      }
      block->fParam1 = sKeyCode;
      block->fParam2 = sCharCode;
      return;
    default:
      break;
    }
    zvhost::CallBackEntry()(selector, block);
  }
};

// The log shared by every recording area: "close 3", "delete 3".
inline std::vector<std::string> gAreaLifeLog;

class RecordingArea : public CXArea {
public:
  struct Answers {
    bool fFocusable = false;
    bool fTakesMouse = false;
    bool fTakesKey = false;
    bool fTakesWheel = false;
    bool fEndCycle = false;
    bool fAcceptsDrag = false;
    bool fPrintsFrame = false;
    int32_t fPrintSize = 0;
    int32_t fDragResult = 0;
    unsigned char fCopyEnabled = 0;
  };

  ~RecordingArea() override { gAreaLifeLog.push_back("delete " + std::to_string(GetAreaRef())); }

  Answers fAnswers;
  std::vector<std::string> fCalls;
  std::function<void()> fOnIdle; // what the database would do from inside the event

  AreaParams& Params() { return fParams; }
  const Rect& AreaRect() const { return fAreaRect; }

  void PostInitArea14(Rect* rect) override {
    Record("PostInitArea14");
    CXArea::PostInitArea14(rect);
  }
  void CloseArea() override { gAreaLifeLog.push_back("close " + std::to_string(GetAreaRef())); }
  void HandleDataFromField() override {
    Record("HandleDataFromField");
    CXArea::HandleDataFromField();
  }
  void HandleDataToField() override { Record("HandleDataToField"); }
  void DoIdle() override {
    Record("DoIdle");
    if (fOnIdle) {
      fOnIdle();
    }
  }
  void DoCursor(Point* where) override {
    Record("DoCursor " + std::to_string(where->h) + "," + std::to_string(where->v));
  }
  bool DoMouseDown(EventRecord*) override {
    Record("DoMouseDown");
    return fAnswers.fTakesMouse;
  }
  bool DoKey(uint16_t charCode, int32_t keyCode, uint32_t modifiers) override {
    Record("DoKey " + std::to_string(charCode) + "," + std::to_string(keyCode) + "," +
           std::to_string(modifiers));
    return fAnswers.fTakesKey;
  }
  bool DoScrollWheelEvent(Point where, int32_t delta, uint16_t) override {
    Record("DoScrollWheelEvent " + std::to_string(where.h) + "," + std::to_string(where.v) + "," +
           std::to_string(delta));
    return fAnswers.fTakesWheel;
  }
  void DoSwitchPageIn() override { Record("DoSwitchPageIn"); }
  void DoSwitchPageOut() override { Record("DoSwitchPageOut"); }
  void DidBecomeVisible() override { Record("DidBecomeVisible"); }
  void DidBecomeInvisible() override { Record("DidBecomeInvisible"); }
  bool DidEndExecutionCycle(const Rect* rect) override {
    Record("DidEndExecutionCycle");
    CXArea::DidEndExecutionCycle(rect);
    return fAnswers.fEndCycle;
  }
  void DoDraw(gfx::Graphics*) override { Record("DoDraw"); }
  void DoPrint(gfx::Graphics*) override { Record("DoPrint"); }
  void DrawFocusFrame(gfx::Graphics* graphics) override {
    Record("DrawFocusFrame");
    CXArea::DrawFocusFrame(graphics);
  }
  void GetEditMenuStatus(unsigned char* undo, unsigned char* cut, unsigned char* copy,
                         unsigned char* paste, unsigned char* clear, unsigned char* selectAll,
                         unsigned char* other) override {
    Record("GetEditMenuStatus");
    CXArea::GetEditMenuStatus(undo, cut, copy, paste, clear, selectAll, other);
    *copy = fAnswers.fCopyEnabled;
    *selectAll = fAnswers.fCopyEnabled;
  }
  void DoUndo() override { Record("DoUndo"); }
  void DoCut() override { Record("DoCut"); }
  void DoCopy() override { Record("DoCopy"); }
  void DoPaste() override { Record("DoPaste"); }
  void DoClear() override { Record("DoClear"); }
  void DoSelectAll() override { Record("DoSelectAll"); }
  bool IsFocusable() override {
    Record("IsFocusable");
    return fAnswers.fFocusable;
  }
  void DidReceiveFocus() override { Record("DidReceiveFocus"); }
  void DidLooseFocus() override { Record("DidLooseFocus"); }
  bool PrintVariableFrame() override {
    Record("PrintVariableFrame");
    return fAnswers.fPrintsFrame;
  }
  int32_t GetPrintSize() override {
    Record("GetPrintSize");
    return fAnswers.fPrintSize;
  }
  void DidBeginDrag(CGPoint where, void*) override {
    Record("DidBeginDrag " + std::to_string(int(where.x)) + "," + std::to_string(int(where.y)));
  }
  bool CanAcceptDrag(FDDragAndDropInfo*) override {
    Record("CanAcceptDrag");
    return fAnswers.fAcceptsDrag;
  }
  void DoDragOver(FDDragAndDropInfo*, CGPoint where, CGRect rect, int32_t* result) override {
    Record("DoDragOver " + std::to_string(int(where.x)) + "," + std::to_string(int(where.y)) + " " +
           std::to_string(int(rect.origin.x)) + "," + std::to_string(int(rect.origin.y)) + "," +
           std::to_string(int(rect.size.width)) + "," + std::to_string(int(rect.size.height)));
    *result = fAnswers.fDragResult;
  }
  void DoDrop(FDDragAndDropInfo*) override { Record("DoDrop"); }

private:
  void Record(const std::string& call) { fCalls.push_back(call); }
};

class RecordingManager : public CXAreaManager {
public:
  bool fCreateFails = false;
  bool fAdvanced = false;
  int32_t fMenuIcon = 0;
  std::vector<std::string> fCalls;

  CXArea* CreateArea() override { return fCreateFails ? nullptr : new RecordingArea; }
  void DoDrawStructure14(gfx::Graphics* graphics, Rect*, const PA_Unichar* areaName,
                         int32_t modifiers) override {
    fCalls.push_back("DoDrawStructure14 " + std::to_string(modifiers) + " " +
                     std::string(areaName[0] != 0 ? "named" : "unnamed"));
    fGraphics = graphics;
  }
  bool SupportsAdvancedProperties() override { return fAdvanced; }
  int32_t DoAdvancedProperties(InitXStruct*, const PA_Unichar*, Rect*) override {
    fCalls.push_back("DoAdvancedProperties");
    return 7;
  }
  int32_t DisposeAdvancedProperties(void*) override {
    fCalls.push_back("DisposeAdvancedProperties");
    return 9;
  }
  int32_t GetMenuIconID() override { return fMenuIcon; }
  void DoDesignInit() override { fCalls.push_back("DoDesignInit"); }

  RecordingArea* AreaOf(int32_t ref) { return static_cast<RecordingArea*>(IsAnArea(ref)); }

  gfx::Graphics* fGraphics = nullptr;
};
