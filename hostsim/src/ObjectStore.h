// Every host object the host hands out (memory handles, text characters, pictures, native
// images) is registered here: it is how the host tells its own objects from forged pointers and
// how it counts what is still alive.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "sdk/FourDPluginAPI.h"
#include "zvhost/Host.h"

struct FDPictureRec;

namespace zvhost {

// A movable block: an FDHandle is the address of fData, the master pointer.
struct HandleRec {
  char* fData = nullptr;
  int32_t fSize = 0;
  size_t fCapacity = 0;
  uint8_t fState = 0;
};

class ObjectStore {
public:
  // Handles
  HandleRec* FindHandle(FDHandle handle) const;
  int NewHandle(int32_t size, FDHandle* out); // host error
  int ResizeHandle(HandleRec* rec, int32_t size);
  void DisposeHandle(HandleRec* rec);
  // Something the handle owns besides its bytes (the code of a token handle).
  void Attach(FDHandle handle, std::shared_ptr<void> attachment);
  std::shared_ptr<void> Attachment(FDHandle handle) const;
  void SetMemoryLimit(size_t bytes) { fMemoryLimit = bytes; }

  // Text characters of FDStringBlocks: count + 1 units, zero-terminated.
  PA_Unichar* NewText(const PA_Unichar* units, int32_t count);
  bool IsText(const PA_Unichar* chars) const { return TextLength(chars) >= 0; }
  int32_t TextLength(const PA_Unichar* chars) const; // units allocated, -1 if not the host's
  void DisposeText(PA_Unichar* chars);

  // Pictures and native images
  void AddPicture(FDPictureRec* picture) { fPictures.insert(picture); }
  bool IsPicture(const FDPictureRec* picture) const {
    return fPictures.count(const_cast<FDPictureRec*>(picture));
  }
  void DisposePicture(FDPictureRec* picture);
  void AddNativeImage(FDNativeImage* image) { fImages.insert(image); }
  bool IsNativeImage(const FDNativeImage* image) const {
    return fImages.count(const_cast<FDNativeImage*>(image));
  }
  void DisposeNativeImage(FDNativeImage* image);

  LiveObjects Count() const;
  // Frees everything still registered, whoever holds it.
  void DisposeAll();

private:
  std::unordered_set<HandleRec*> fHandles;
  std::unordered_map<HandleRec*, std::shared_ptr<void>> fAttachments;
  size_t fHandleBytes = 0;
  size_t fMemoryLimit = size_t{1} << 30;
  std::unordered_map<PA_Unichar*, int32_t> fTexts;
  std::unordered_set<FDPictureRec*> fPictures;
  std::unordered_set<FDNativeImage*> fImages;
};

ObjectStore& Objects();

} // namespace zvhost
