#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

int16_t GetRGBColor(int32_t color, RGBColor* rgb) {
  if (rgb == nullptr) {
    return kFDErrBadParameter;
  }
  *rgb = RGBColor{0, 0, 0};
  FDEngineBlock block{};
  block.fParam1 = color;
  int16_t error = CallHost(kFDGetRGBColor, block);
  if (error == kFDErrNone) {
    rgb->red = static_cast<uint16_t>(block.fParam1);
    rgb->green = static_cast<uint16_t>(block.fParam2);
    rgb->blue = static_cast<uint16_t>(block.fParam3);
  }
  return error;
}

uint32_t GetARGBColorFrom4DColor(int32_t color) {
  FDEngineBlock block{};
  block.fParam1 = color;
  return CallHost(kFDGetARGBFrom4DColor, block) == kFDErrNone ? static_cast<uint32_t>(block.fParam1)
                                                              : 0;
}

uint32_t GetARGBColorFromRGBColor(const RGBColor* rgb) {
  if (rgb == nullptr) {
    return 0;
  }
  FDEngineBlock block{};
  block.fParam1 = rgb->red;
  block.fParam2 = rgb->green;
  block.fParam3 = rgb->blue;
  return CallHost(kFDGetARGBFromRGBColor, block) == kFDErrNone
             ? static_cast<uint32_t>(block.fParam1)
             : 0;
}

int32_t GetPlatformColor(int32_t index) {
  FDEngineBlock block{};
  block.fParam1 = index;
  return CallHost(kFDGetPlatformColor, block) == kFDErrNone ? block.fParam1 : 0;
}

} // namespace FourD
