// The base of every plug-in area: the state each area has (rectangle, setup record, page,
// visibility, focus) and one virtual operation per host area event.
#pragma once

#include <stdint.h>

#include "platform/win/CGGeometry.h"
#include "sdk/FourDPluginAPI.h"

namespace gfx {
class Graphics;
struct Rect;
struct RectF;
} // namespace gfx

struct FDDragAndDropInfo; // the host's drag record; its first eight bytes are a Rect
struct InitXStruct;       // the host's advanced-properties record

// The setup record of one area, built by the manager on an init event and copied into the area.
struct AreaParams {
  PA_Unichar fAreaName[256];   // the area's name on the form
  PA_Unichar fObjectName[256]; // the form object's name, for its drag and drop options
  int32_t fProcess;
  int16_t fHostValue1; // carried, never read
  uint8_t fHostValue2;
  uint8_t fHostValue3;
  int16_t fHostValue4;
  int32_t fForeColor; // host colour values
  int32_t fBackColor;
  uint8_t fFormKind; // 1 or 2: input form; 0: list form
  uint8_t fPrinting;
  int16_t fPage; // 0: every page
  int16_t fTable;
  uint8_t fExternalWindow;
  int32_t fHostValue5; // carried, never read
  int32_t fHostValue6;
  uint8_t fDraggable; // answers when the host has no drag options for the object
  uint8_t fDroppable;
  void* fWindow; // host window of the area
  intptr_t fPort;
  void* fWindowHandle; // native window of the area
  int32_t fHostValue7;
};

struct FieldBinding {
  int32_t fTable;
  int32_t fField;
  int32_t fFieldType;
};

class CXArea {
public:
  CXArea();
  virtual ~CXArea();
  CXArea(const CXArea&) = delete;
  CXArea& operator=(const CXArea&) = delete;

  // Life
  virtual void InitArea(AreaParams* params);
  virtual void PostInitArea14(Rect* rect);
  virtual bool UseClippingMode();
  virtual void CloseArea();
  // Field binding
  virtual void HandleDataFromField();
  virtual void HandleDataToField();
  virtual void LoadDataFromField();
  virtual void UnloadDataToField();
  virtual int32_t GetTable();
  virtual int32_t GetField();
  virtual int32_t GetRecordNum();
  // Events
  virtual void DoIdle();
  virtual void DoCursor(Point* where);
  virtual bool DoMouseDown(EventRecord* event);
  virtual bool DoKey(uint16_t charCode, int32_t keyCode, uint32_t modifiers);
  virtual bool DoScrollWheelEvent(Point where, int32_t delta, uint16_t modifiers);
  virtual void DoSwitchPageIn();
  virtual void DoSwitchPageOut();
  virtual void DidBecomeVisible();
  virtual void DidBecomeInvisible();
  virtual void DoSelect();
  virtual void DoDeSelect();
  virtual bool DidEndExecutionCycle(const Rect* rect);
  // Drawing and invalidation
  virtual void DoDraw(gfx::Graphics* graphics);
  virtual void DoInvalidate();
  virtual void DoInvalAreaRect(Rect* rect);
  virtual void DoInvalAreaSubRect(CGRect rect);
  virtual void DoInvalidateImmediately();
  virtual void DoInvalAreaRectImmediately(Rect* rect);
  virtual void DoInvalAreaSubRectImmediately(CGRect rect);
  // Edit menu
  virtual void GetEditMenuStatus(unsigned char* undo, unsigned char* cut, unsigned char* copy,
                                 unsigned char* paste, unsigned char* clear,
                                 unsigned char* selectAll, unsigned char* other);
  virtual void DoUndo();
  virtual void DoCut();
  virtual void DoCopy();
  virtual void DoPaste();
  virtual void DoClear();
  virtual void DoSelectAll();
  // Focus
  virtual bool IsFocusable();
  virtual bool DrawsFocusRing();
  virtual void DrawFocusFrame(gfx::Graphics* graphics);
  virtual void DidReceiveFocus();
  virtual void DidLooseFocus();
  // Printing
  virtual bool PrintVariableFrame();
  virtual int32_t GetPrintSize();
  virtual void PrintBand(gfx::Graphics* graphics, Rect* rect);
  virtual void DoPrint(gfx::Graphics* graphics);
  // Drag and drop
  virtual bool IsDraggable();
  virtual bool IsDroppable();
  virtual void DidBeginDrag(CGPoint where, void* dragInfo);
  virtual bool CanAcceptDrag(FDDragAndDropInfo* info);
  virtual void DoDragOver(FDDragAndDropInfo* info, CGPoint where, CGRect rect, int32_t* result);
  virtual void DoDrop(FDDragAndDropInfo* info);
  virtual bool IsDoubleClick(EventRecord* event);
  // Colour
  virtual void SetBackColor(int32_t color);
  // The event switch: one operation per event, the reply written back into the event.
  virtual void HandleEvent(EventRecord* event, Rect* rect);
  // Debug builds: asserts what must hold whenever no command or event is running on the area.
  virtual void CheckInvariants() const {}

  // Identity: the reference the manager issued, kept by the host in the area's private word.
  int32_t GetAreaRef() const { return fAreaRef; }
  void SetAreaRef(int32_t ref) { fAreaRef = ref; }

  // Queries
  void GetAreaRect(Rect* rect) const { *rect = fAreaRect; }
  CGRect GetAreaCGRect() const;
  gfx::Rect GetAreaGDIPlusRect() const;
  gfx::RectF GetAreaGDIPlusRectF() const;
  CGRect GetBounds() const;
  void GetAreaName(PA_Unichar* name) const; // 256 units
  const PA_Unichar* GetName() const { return fParams.fAreaName; }
  int32_t GetAreaProcess() const { return fParams.fProcess; }
  void* GetMacWindow() const { return fParams.fWindow; }
  void* GetHWND() const { return fParams.fWindowHandle; }
  intptr_t GetMacPort() const { return 0; }
  bool IsCompositingMode() const { return false; }
  int32_t GetBackColor() const { return fParams.fBackColor; }
  bool InExternalWindow() const { return fParams.fExternalWindow != 0; }
  bool InStandaloneWindow() const { return fInStandaloneWindow; }
  bool InInputForm() const { return fParams.fFormKind == 1 || fParams.fFormKind == 2; }
  bool InListForm() const { return fParams.fFormKind == 0; }
  bool IsPrinting() const { return fParams.fPrinting != 0; }
  bool IsFocused() const { return fFocused; }
  bool IsAreaVisible() const { return fVisible; }
  bool OnCurrentPage() const { return fOnCurrentPage; }

protected:
  int32_t fAreaRef;
  bool fInitialized;
  int32_t fDialogRef;
  Rect fAreaRect; // window coordinates
  AreaParams fParams;
  RGBColor fBackRGB;
  RGBColor fForeRGB;
  FieldBinding fFieldBinding;
  PA_Unichar fTableName[256];
  PA_Unichar fFieldName[256];
  int32_t fLastRecordNum;
  bool fInStandaloneWindow;
  bool fFocused;
  bool fOnCurrentPage;
  bool fVisible;
  Point fLastClickWhere;
  int32_t fLastClickWhen;
  int32_t fProcess;

private:
  bool IsStandaloneZone() const;
  void EnterFirstEvent(Rect* rect);
  void ChangeVisibility(bool visible);
  void HandleKey(EventRecord* event);
  void HandleUpdate(EventRecord* event);
  void HandleDragOver(EventRecord* event);
  void HandleEditMenuStatus();
};
