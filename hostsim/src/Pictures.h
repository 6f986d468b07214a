// Host pictures: the encoded bytes as given (their count is the picture's byte size), the
// dimensions read from them, and native images decoded on request.
#pragma once

#include <stdint.h>

#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "ImageCodecs.h"
#include "sdk/FourDPluginAPI.h"

namespace zvhost {

// Sizing the vector leaves its bytes as they are: whoever sizes it writes them all (a file read
// whole), and clearing a photo's megabytes first cost a tenth of a scroll step.
template <class T>
struct UnclearedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnclearedAllocator<U>;
  };
  UnclearedAllocator() = default;
  template <class U>
  UnclearedAllocator(const UnclearedAllocator<U>&) noexcept {}

  template <class U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

using PictureBytes = std::vector<uint8_t, UnclearedAllocator<uint8_t>>;

struct PictureData {
  PictureBytes fBytes;
  ImageInfo fInfo;
};

} // namespace zvhost

// Copies share the immutable encoded bytes; each copy is a host object of its own.
struct FDPictureRec {
  std::shared_ptr<const zvhost::PictureData> fData;
};

namespace zvhost {

int CreatePicture(const void* bytes, int32_t byteCount, FDPicture* out); // host error
// The same, taking the bytes over instead of copying them.
int AdoptPictureBytes(PictureBytes&& bytes, FDPicture* out);
int DuplicatePicture(FDPicture picture, FDPicture* out);
int DisposePicture(FDPicture picture);
bool IsPicture(FDPicture picture);
int32_t PictureByteSize(FDPicture picture); // 0 for none
// Width and height; false for no picture.
bool PictureDimensions(FDPicture picture, int32_t* width, int32_t* height);
int CreateNativeImage(FDPicture picture, FDNativeImage** out);
int DisposeNativeImage(FDNativeImage* image);

} // namespace zvhost
