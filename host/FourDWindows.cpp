#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

bool GetNextEvent(int32_t mask, EventRecord* event) {
  if (event == nullptr) {
    return false;
  }
  FDEngineBlock block{};
  block.fParam1 = mask;
  block.fPtr1 = event;
  return CallHost(kFDGetNextEvent, block) == kFDErrNone && block.fParam1 == 1;
}

int16_t SetAreaClipModeV13(int32_t* areaRef, int32_t mode) {
  if (areaRef == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = areaRef;
  block.fParam1 = mode;
  return CallHost(kFDSetAreaClipMode, block);
}

int16_t InvalidateAreaRect14(int32_t areaRef, const Rect* rect, bool immediately) {
  FDEngineBlock block{};
  block.fParam1 = areaRef;
  block.fPtr1 = const_cast<Rect*>(rect);
  block.fParam2 = immediately ? 1 : 0;
  return CallHost(kFDInvalidateAreaRect, block);
}

int16_t GetAreaKeyEventInfo(int32_t* keyCode, int32_t* charCode) {
  if (keyCode == nullptr || charCode == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  int16_t error = CallHost(kFDGetAreaKeyEventInfo, block);
  *keyCode = error == kFDErrNone ? block.fParam1 : 0;
  *charCode = error == kFDErrNone ? block.fParam2 : 0;
  return error;
}

void* GetUpdateHDC() {
  FDEngineBlock block{};
  return CallHost(kFDGetUpdateHDC, block) == kFDErrNone ? block.fPtr1 : nullptr;
}

int32_t GetFourDDialogFromWindow(void* window) {
  FDEngineBlock block{};
  block.fPtr1 = window;
  return CallHost(kFDGetDialogFromWindow, block) == kFDErrNone ? block.fParam1 : 0;
}

int16_t CreateTip(void* window, const Rect* rect, const PA_Unichar* text) {
  FDEngineBlock block{};
  block.fPtr1 = window;
  block.fPtr2 = const_cast<Rect*>(rect);
  block.fUName = text;
  return CallHost(kFDCreateTip, block);
}

void UpdateEditMenu(int32_t items) {
  FDEngineBlock block{};
  block.fParam1 = items;
  CallHost(kFDUpdateEditMenu, block);
}

int16_t StartHostDrag(int32_t x, int32_t y, int32_t options) {
  FDEngineBlock block{};
  block.fParam1 = x;
  block.fParam2 = y;
  block.fParam3 = options;
  return CallHost(kFDStartDrag, block);
}

void* HWNDToMacWindow(void* hwnd) {
  FDEngineBlock block{};
  block.fPtr1 = hwnd;
  return CallHost(kFDHWNDToMacWindow, block) == kFDErrNone ? block.fPtr2 : nullptr;
}

void* MacWindowToHWND(void* window) {
  FDEngineBlock block{};
  block.fPtr1 = window;
  return CallHost(kFDMacWindowToHWND, block) == kFDErrNone ? block.fPtr2 : nullptr;
}

int16_t GetAreaWindow(int32_t* areaRefCell, void** window, void** hwnd) {
  if (window != nullptr) {
    *window = nullptr;
  }
  if (hwnd != nullptr) {
    *hwnd = nullptr;
  }
  if (areaRefCell == nullptr) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = areaRefCell;
  const int16_t error = CallHost(kFDGetAreaWindow, block);
  if (error != kFDErrNone) {
    return error;
  }
  if (window != nullptr) {
    *window = block.fPtr2;
  }
  if (hwnd != nullptr) {
    *hwnd = block.fPtr3;
  }
  return kFDErrNone;
}

} // namespace FourD
