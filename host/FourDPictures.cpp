#include "host/FourD.h"
#include "host/HostCall.h"

#include <new>

namespace FourD {

int16_t CreateFDPicture(const void* bytes, int32_t byteCount, FDPicture* picture) {
  if (picture == nullptr) {
    return kFDErrBadParameter;
  }
  *picture = nullptr;
  if (bytes == nullptr || byteCount <= 0) {
    return kFDErrBadParameter;
  }
  FDEngineBlock block{};
  block.fPtr1 = const_cast<void*>(bytes);
  block.fParam1 = byteCount;
  int16_t error = CallHost(kFDCreateFDPicture, block);
  if (error == kFDErrNone) {
    *picture = static_cast<FDPicture>(block.fPtr2);
  }
  return error;
}

int16_t DuplicateFDPicture(FDPicture picture, FDPicture* copy) {
  if (copy == nullptr) {
    return kFDErrBadParameter;
  }
  *copy = nullptr;
  FDEngineBlock block{};
  block.fPtr1 = picture;
  int16_t error = CallHost(kFDDuplicateFDPicture, block);
  if (error == kFDErrNone) {
    *copy = static_cast<FDPicture>(block.fPtr2);
  }
  return error;
}

int16_t DisposeFDPicture(FDPicture picture) {
  if (picture == nullptr) {
    return kFDErrNone;
  }
  FDEngineBlock block{};
  block.fPtr1 = picture;
  return CallHost(kFDDisposeFDPicture, block);
}

int32_t GetPictureByteSize(FDPicture picture) {
  if (picture == nullptr) {
    return 0;
  }
  FDEngineBlock block{};
  block.fPtr1 = picture;
  return CallHost(kFDGetPictureByteSize, block) == kFDErrNone ? block.fParam1 : 0;
}

int16_t CreateNativeImageForScreen(FDPicture picture, FDNativeImage** image) {
  if (image == nullptr) {
    return kFDErrBadParameter;
  }
  *image = nullptr;
  FDEngineBlock block{};
  block.fPtr1 = picture;
  int16_t error = CallHost(kFDCreateNativeImage, block);
  if (error == kFDErrNone) {
    *image = static_cast<FDNativeImage*>(block.fPtr2);
  }
  return error;
}

int16_t CreateNativeImageForSize(FDPicture picture, int32_t width, int32_t height,
                                 FDNativeImage** image) {
  if (image == nullptr || width < 1 || height < 1) {
    return kFDErrBadParameter;
  }
  *image = nullptr;
  FDEngineBlock block{};
  block.fPtr1 = picture;
  block.fParam1 = width;
  block.fParam2 = height;
  int16_t error = CallHost(kFDCreateNativeImageForSize, block);
  if (error == kFDErrNone) {
    *image = static_cast<FDNativeImage*>(block.fPtr2);
  }
  return error;
}

int16_t GetPictureBytes(FDPicture picture, ZVPageBuffer* bytes) {
  bytes->Reset();
  FDEngineBlock block{};
  block.fPtr1 = picture;
  if (const int16_t error = CallHost(kFDGetPictureBytes, block)) {
    return error;
  }
  if (block.fParam1 <= 0) {
    return kFDErrBadParameter;
  }
  if (!bytes->Allocate(static_cast<size_t>(block.fParam1))) {
    return kFDErrNoMemory;
  }
  block.fPtr2 = bytes->GetData();
  if (const int16_t error = CallHost(kFDGetPictureBytes, block)) {
    bytes->Reset();
    return error;
  }
  // A picture that changed size between the two calls is not trusted.
  if (static_cast<size_t>(block.fParam1) != bytes->GetSize()) {
    bytes->Reset();
    return kFDErrBadParameter;
  }
  return kFDErrNone;
}

void DisposeNativeImage(FDNativeImage* image) {
  if (image == nullptr) {
    return;
  }
  FDEngineBlock block{};
  block.fPtr1 = image;
  CallHost(kFDDisposeNativeImage, block);
}

} // namespace FourD
