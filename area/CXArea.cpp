#include "area/CXArea.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/Graphics.h"
#include "host/FourD.h"
#include "host/HostText.h"
#include "sdk/HostPlatform.h"

namespace {

constexpr int32_t kNoRecord = -1;
constexpr int32_t kRecordReload = -3; // the host asks for a reload even of the same record
constexpr int32_t kDoubleClickSlop = 4;
constexpr CGFloat kFocusFrameOutset = 3;
constexpr CGFloat kFocusFrameWidth = 2;
constexpr int32_t kSystemHighlightColor = -254;
constexpr uint32_t kFallbackHighlightARGB = 0xFF0078D7;
constexpr PA_Unichar kStandaloneZoneName[] = {'_', '_', 'z', 'o', 'n', 'e', '_', '_', 0};

const RGBColor kWhite = {0xFFFF, 0xFFFF, 0xFFFF};
const RGBColor kBlack = {0, 0, 0};

// A CGFloat coordinate as a host 16-bit one; out-of-range values stick to the nearest end.
bool IsEmptyRect(const Rect& rect) {
  return rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0;
}

} // namespace

CXArea::CXArea()
    : fAreaRef(0), fInitialized(false), fDialogRef(0), fAreaRect{}, fParams{}, fBackRGB(kWhite),
      fForeRGB(kBlack), fFieldBinding{}, fTableName{}, fFieldName{}, fLastRecordNum(kNoRecord),
      fInStandaloneWindow(false), fFocused(false), fOnCurrentPage(false),
      // An area shows until the host says otherwise.
      fVisible(true), fLastClickWhere{}, fLastClickWhen(0), fProcess(0) {}

CXArea::~CXArea() = default;

// ---------------------------------------------------------------------------------------------
// Life

void CXArea::InitArea(AreaParams* params) {
  if (params != nullptr) {
    fParams = *params;
  }
  fParams.fAreaName[255] = 0;
  fParams.fObjectName[255] = 0;
  fInitialized = false;
  // This host offers no look-up of the field an area is tied to, so an area stays unbound even
  // when a table is given; binding needs both a table and a field.
  fProcess = FourD::CurrentProcess();
  if (FourD::GetRGBColor(fParams.fBackColor, &fBackRGB) != kFDErrNone) {
    fBackRGB = kWhite;
  }
  if (FourD::GetRGBColor(fParams.fForeColor, &fForeRGB) != kFDErrNone) {
    fForeRGB = kBlack;
  }
}

void CXArea::PostInitArea14(Rect* /*rect*/) {
  fDialogRef = FourD::GetFourDDialogFromWindow(fParams.fWindow);
  fInStandaloneWindow = IsStandaloneZone();
}

bool CXArea::IsStandaloneZone() const {
  if (fParams.fProcess != 1) {
    return false;
  }
  for (size_t i = 0; i < sizeof kStandaloneZoneName / sizeof kStandaloneZoneName[0]; ++i) {
    if (fParams.fAreaName[i] != kStandaloneZoneName[i]) {
      return false;
    }
  }
  return true;
}

bool CXArea::UseClippingMode() {
  return false;
}

void CXArea::CloseArea() {}

// ---------------------------------------------------------------------------------------------
// Field binding

void CXArea::HandleDataFromField() {
  if (fFieldBinding.fField <= 0) {
    return;
  }
  int32_t record = FourD::RecordNumber(fFieldBinding.fTable);
  if (record == fLastRecordNum && record != kRecordReload) {
    return;
  }
  fLastRecordNum = record;
  LoadDataFromField();
}

void CXArea::HandleDataToField() {
  if (fFieldBinding.fField > 0) {
    UnloadDataToField();
  }
}

void CXArea::LoadDataFromField() {}
void CXArea::UnloadDataToField() {}

int32_t CXArea::GetTable() {
  return fFieldBinding.fTable;
}

int32_t CXArea::GetField() {
  return fFieldBinding.fField;
}

int32_t CXArea::GetRecordNum() {
  return fLastRecordNum;
}

// ---------------------------------------------------------------------------------------------
// Events

void CXArea::DoIdle() {}
void CXArea::DoCursor(Point* /*where*/) {} // the host's arrow is already showing here

bool CXArea::DoMouseDown(EventRecord* /*event*/) {
  return false;
}

bool CXArea::DoKey(uint16_t /*charCode*/, int32_t /*keyCode*/, uint32_t /*modifiers*/) {
  return false;
}

bool CXArea::DoScrollWheelEvent(Point /*where*/, int32_t /*delta*/, uint16_t /*modifiers*/) {
  return false;
}

void CXArea::DoSwitchPageIn() {}
void CXArea::DoSwitchPageOut() {}
void CXArea::DidBecomeVisible() {}
void CXArea::DidBecomeInvisible() {}
void CXArea::DoSelect() {}
void CXArea::DoDeSelect() {}

bool CXArea::DidEndExecutionCycle(const Rect* rect) {
  if (rect != nullptr) {
    fAreaRect = *rect;
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// Drawing and invalidation

void CXArea::DoDraw(gfx::Graphics* /*graphics*/) {}

void CXArea::DoInvalidate() {
  DoInvalAreaRect(nullptr);
}

void CXArea::DoInvalAreaRect(Rect* rect) {
  if (!fOnCurrentPage) {
    return;
  }
  if (rect != nullptr && IsEmptyRect(*rect)) {
    return;
  }
  FourD::InvalidateAreaRect14(fAreaRef, rect, false);
}

void CXArea::DoInvalAreaSubRect(CGRect rect) {
  Rect window;
  window.top = CGFloatRoundToInt16(fAreaRect.top + rect.origin.y);
  window.left = CGFloatRoundToInt16(fAreaRect.left + rect.origin.x);
  window.bottom = CGFloatRoundToInt16(window.top + rect.size.height);
  window.right = CGFloatRoundToInt16(window.left + rect.size.width);
  DoInvalAreaRect(&window);
}

void CXArea::DoInvalidateImmediately() {
  DoInvalAreaRectImmediately(nullptr);
}

void CXArea::DoInvalAreaRectImmediately(Rect* rect) {
  Rect target = rect != nullptr ? *rect : fAreaRect;
  if (IsEmptyRect(target)) {
    return;
  }
  FourD::InvalidateAreaRect14(fAreaRef, &target, true);
}

void CXArea::DoInvalAreaSubRectImmediately(CGRect rect) {
  Rect window;
  window.top = CGFloatRoundToInt16(fAreaRect.top + rect.origin.y);
  window.left = CGFloatRoundToInt16(fAreaRect.left + rect.origin.x);
  window.bottom = CGFloatRoundToInt16(window.top + rect.size.height);
  window.right = CGFloatRoundToInt16(window.left + rect.size.width);
  DoInvalAreaRectImmediately(&window);
}

// ---------------------------------------------------------------------------------------------
// Edit menu

void CXArea::GetEditMenuStatus(unsigned char* undo, unsigned char* cut, unsigned char* copy,
                               unsigned char* paste, unsigned char* clear, unsigned char* selectAll,
                               unsigned char* other) {
  for (unsigned char* answer : {undo, cut, copy, paste, clear, selectAll, other}) {
    if (answer != nullptr) {
      *answer = 0;
    }
  }
}

void CXArea::DoUndo() {}
void CXArea::DoCut() {}
void CXArea::DoCopy() {}
void CXArea::DoPaste() {}
void CXArea::DoClear() {}
void CXArea::DoSelectAll() {}

// ---------------------------------------------------------------------------------------------
// Focus

bool CXArea::IsFocusable() {
  return false;
}

bool CXArea::DrawsFocusRing() {
  return false;
}

void CXArea::DrawFocusFrame(gfx::Graphics* graphics) {
  if (graphics == nullptr) {
    return;
  }
  uint32_t argb = FourD::GetARGBColorFrom4DColor(kSystemHighlightColor);
  if (argb == 0) {
    argb = kFallbackHighlightARGB;
  }
  gfx::Pen pen(gfx::Color(argb), kFocusFrameWidth);
  CGRect bounds = GetBounds();
  gfx::RectF frame(-kFocusFrameOutset, -kFocusFrameOutset,
                   bounds.size.width + 2 * kFocusFrameOutset,
                   bounds.size.height + 2 * kFocusFrameOutset);
  gfx::GraphicsState state = graphics->Save();
  graphics->TranslateTransform(fAreaRect.left, fAreaRect.top);
  graphics->DrawRectangle(&pen, frame);
  graphics->Restore(state);
}

void CXArea::DidReceiveFocus() {}
void CXArea::DidLooseFocus() {}

// ---------------------------------------------------------------------------------------------
// Printing

bool CXArea::PrintVariableFrame() {
  return false;
}

int32_t CXArea::GetPrintSize() {
  return 0;
}

void CXArea::PrintBand(gfx::Graphics* /*graphics*/, Rect* /*rect*/) {}
void CXArea::DoPrint(gfx::Graphics* /*graphics*/) {}

// ---------------------------------------------------------------------------------------------
// Drag and drop

bool CXArea::IsDraggable() {
  if (InExternalWindow() || InStandaloneWindow()) {
    return false;
  }
  bool draggable = false, automaticDrag = false, droppable = false, automaticDrop = false;
  if (FourD::ObjectGetDragAndDropOptions(fParams.fObjectName, &draggable, &automaticDrag,
                                         &droppable, &automaticDrop) == kFDErrNone) {
    return draggable;
  }
  return fParams.fDraggable != 0;
}

bool CXArea::IsDroppable() {
  if (InExternalWindow() || InStandaloneWindow()) {
    return false;
  }
  bool draggable = false, automaticDrag = false, droppable = false, automaticDrop = false;
  if (FourD::ObjectGetDragAndDropOptions(fParams.fObjectName, &draggable, &automaticDrag,
                                         &droppable, &automaticDrop) == kFDErrNone) {
    return droppable;
  }
  return fParams.fDroppable != 0;
}

void CXArea::DidBeginDrag(CGPoint /*where*/, void* /*dragInfo*/) {}

bool CXArea::CanAcceptDrag(FDDragAndDropInfo* /*info*/) {
  return false;
}

void CXArea::DoDragOver(FDDragAndDropInfo* /*info*/, CGPoint /*where*/, CGRect /*rect*/,
                        int32_t* result) {
  if (result != nullptr) {
    *result = 0;
  }
}

void CXArea::DoDrop(FDDragAndDropInfo* /*info*/) {}

bool CXArea::IsDoubleClick(EventRecord* event) {
  if (event == nullptr) {
    return false;
  }
  if (std::abs(event->where.h - fLastClickWhere.h) > kDoubleClickSlop ||
      std::abs(event->where.v - fLastClickWhere.v) > kDoubleClickSlop) {
    return false;
  }
  int64_t elapsed = static_cast<int64_t>(event->when) - fLastClickWhen;
  return elapsed <= static_cast<int64_t>(GetDblTime());
}

// ---------------------------------------------------------------------------------------------
// Colour

void CXArea::SetBackColor(int32_t color) {
  fParams.fBackColor = color;
}

// ---------------------------------------------------------------------------------------------
// Queries

CGRect CXArea::GetAreaCGRect() const {
  return CGRectMake(fAreaRect.left, fAreaRect.top, fAreaRect.right - fAreaRect.left,
                    fAreaRect.bottom - fAreaRect.top);
}

gfx::Rect CXArea::GetAreaGDIPlusRect() const {
  return gfx::Rect(fAreaRect.left, fAreaRect.top, fAreaRect.right - fAreaRect.left,
                   fAreaRect.bottom - fAreaRect.top);
}

gfx::RectF CXArea::GetAreaGDIPlusRectF() const {
  CGRect rect = GetAreaCGRect();
  return gfx::RectF(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
}

CGRect CXArea::GetBounds() const {
  CGRect rect = GetAreaCGRect();
  rect.origin = CGPointZero;
  return rect;
}

void CXArea::GetAreaName(PA_Unichar* name) const {
  if (name != nullptr) {
    FourD::UniCopy(fParams.fAreaName, name, 256);
  }
}
