// Pictures and native images.
#include "Callback.h"

#include <algorithm>
#include <vector>

#include "Pictures.h"
#include "SizedImages.h"
#include "zvhost/Host.h"

namespace zvhost::callback {

void CreateFDPicture(FDEngineBlock& b) {
  FDPicture picture = nullptr;
  b.fError = static_cast<int16_t>(CreatePicture(b.fPtr1, b.fParam1, &picture));
  b.fPtr2 = picture;
}

void DuplicateFDPicture(FDEngineBlock& b) {
  FDPicture copy = nullptr;
  b.fError = static_cast<int16_t>(DuplicatePicture(static_cast<FDPicture>(b.fPtr1), &copy));
  b.fPtr2 = copy;
}

void DisposeFDPicture(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(DisposePicture(static_cast<FDPicture>(b.fPtr1)));
}

void GetPictureByteSize(FDEngineBlock& b) {
  b.fParam1 = PictureByteSize(static_cast<FDPicture>(b.fPtr1));
}

void CreateNativeImage(FDEngineBlock& b) {
  FDNativeImage* image = nullptr;
  b.fError =
      static_cast<int16_t>(zvhost::CreateNativeImage(static_cast<FDPicture>(b.fPtr1), &image));
  b.fPtr2 = image;
}

// Hosts before this version lack it, so that a plug-in can be tried against an older host.
constexpr uint32_t kFirstHostWithSizedImages = 0x1400;

void CreateNativeImageForSize(FDEngineBlock& b) {
  if ((HostVersion() & 0xFFFF) < kFirstHostWithSizedImages) {
    b.fError = kFDErrUnknownCommand;
    return;
  }
  FDNativeImage* image = nullptr;
  b.fError = static_cast<int16_t>(zvhost::CreateNativeImageForSize(static_cast<FDPicture>(b.fPtr1),
                                                                   b.fParam1, b.fParam2, &image));
  b.fPtr2 = image;
}

void GetPictureBytes(FDEngineBlock& b) {
  if ((HostVersion() & 0xFFFF) < kFirstHostWithSizedImages) {
    b.fError = kFDErrUnknownCommand;
    return;
  }
  const auto picture = static_cast<FDPicture>(b.fPtr1);
  if (!IsPicture(picture) || b.fParam1 < 0) {
    b.fError = kFDErrBadParameter;
    return;
  }
  const PictureBytes& bytes = picture->fData->fBytes;
  if (b.fPtr2 != nullptr && bytes.size() <= static_cast<size_t>(b.fParam1)) {
    std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(b.fPtr2));
  }
  b.fParam1 = static_cast<int32_t>(bytes.size());
  b.fError = kFDErrNone;
}

void DisposeNativeImage(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(zvhost::DisposeNativeImage(static_cast<FDNativeImage*>(b.fPtr1)));
}

} // namespace zvhost::callback
