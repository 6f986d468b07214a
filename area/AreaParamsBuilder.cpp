#include "area/AreaParamsBuilder.h"

#include <cstring>

#include "host/FourD.h"
#include "host/HostText.h"

namespace {

constexpr int16_t kDefaultHostValue1 = 3;
constexpr uint8_t kDefaultHostValue2 = 9;
constexpr int32_t kDefaultBackColor = 0xFFFFFF;
constexpr uint8_t kPrintingOnInputForm = 255;
constexpr uint8_t kPrintingOnListForm = 254;

template <typename T>
T ReadAt(const unsigned char* record, int offset) {
  T value;
  std::memcpy(&value, record + offset, sizeof value);
  return value;
}

void CopyNames(const PA_Unichar* areaName, const PA_Unichar* objectName, AreaParams* params) {
  params->fAreaName[0] = 0;
  params->fObjectName[0] = 0;
  if (areaName != nullptr) {
    FourD::UniCopy(areaName, params->fAreaName, 256);
  }
  if (objectName != nullptr) {
    FourD::UniCopy(objectName, params->fObjectName, 256);
  }
}

} // namespace

void BuildAreaParams(const EventRecord& event, const PA_Unichar* areaName,
                     const PA_Unichar* objectName, AreaParams* params) {
  *params = AreaParams{};
  CopyNames(areaName, objectName, params);
  params->fProcess = FourD::CurrentProcess();
  params->fHostValue1 = kDefaultHostValue1;
  params->fHostValue2 = kDefaultHostValue2;
  params->fBackColor = kDefaultBackColor;
  params->fFormKind = event.modifiers == 1 || event.modifiers == 2 ? event.modifiers : 0;
  if (event.message == -1) {
    params->fPrinting = params->fFormKind != 0 ? kPrintingOnInputForm : kPrintingOnListForm;
  }
  params->fTable = static_cast<int16_t>(event.when & 0xFFFF);
  params->fExternalWindow = event.when == -1 ? 1 : 0;
}

void FillAreaWindow(int32_t* areaRefCell, AreaParams* params) {
  if (params == nullptr || (params->fWindow != nullptr && params->fWindowHandle != nullptr)) {
    return;
  }
  void* window = nullptr;
  void* hwnd = nullptr;
  if (FourD::GetAreaWindow(areaRefCell, &window, &hwnd) != kFDErrNone) {
    return;
  }
  if (params->fWindow == nullptr) {
    params->fWindow = window;
  }
  if (params->fWindowHandle == nullptr) {
    params->fWindowHandle = hwnd;
  }
  if (params->fPort == 0) {
    params->fPort = reinterpret_cast<intptr_t>(params->fWindow);
  }
}

bool BuildAreaParamsExtended(const EventRecord& event, const PA_Unichar* areaName,
                             const PA_Unichar* objectName, AreaParams* params) {
  const auto* record = reinterpret_cast<const unsigned char*>(event.message);
  if (record == nullptr) {
    return false;
  }
  *params = AreaParams{};
  CopyNames(areaName, objectName, params);
  params->fProcess = FourD::CurrentProcess();
  params->fHostValue1 = ReadAt<int16_t>(record, kInitHostValue1);
  params->fHostValue2 = ReadAt<uint8_t>(record, kInitHostValue2);
  params->fHostValue3 = ReadAt<uint8_t>(record, kInitHostValue3);
  params->fHostValue4 = ReadAt<int16_t>(record, kInitHostValue4);
  params->fForeColor = ReadAt<int32_t>(record, kInitForeColor);
  params->fBackColor = ReadAt<int32_t>(record, kInitBackColor);
  params->fHostValue5 = ReadAt<int32_t>(record, kInitHostValue5);
  params->fHostValue6 = ReadAt<int32_t>(record, kInitHostValue6);
  params->fFormKind = ReadAt<uint8_t>(record, kInitFormKind);
  params->fPrinting = ReadAt<uint8_t>(record, kInitPrinting);
  params->fPage = ReadAt<int16_t>(record, kInitPage);
  params->fTable = ReadAt<int16_t>(record, kInitTable);
  params->fExternalWindow = event.when == -1 ? 1 : 0;
  params->fDraggable = ReadAt<uint8_t>(record, kInitDraggable);
  params->fDroppable = ReadAt<uint8_t>(record, kInitDroppable);
  params->fWindow =
      reinterpret_cast<void*>(static_cast<uintptr_t>(ReadAt<uint32_t>(record, kInitWindow)));
  params->fPort = ReadAt<int32_t>(record, kInitPort);
  params->fWindowHandle =
      reinterpret_cast<void*>(static_cast<uintptr_t>(ReadAt<uint32_t>(record, kInitWindowHandle)));
  params->fHostValue7 = ReadAt<int32_t>(record, kInitHostValue7);
  if (params->fWindow == nullptr && params->fWindowHandle != nullptr) {
    params->fWindow = FourD::HWNDToMacWindow(params->fWindowHandle);
  }
  if (params->fPort == 0) {
    params->fPort = reinterpret_cast<intptr_t>(params->fWindow);
  }
  return true;
}
