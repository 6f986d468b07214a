#include "ObjectStore.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "Pictures.h"

namespace zvhost {

ObjectStore& Objects() {
  static ObjectStore store;
  return store;
}

HandleRec* ObjectStore::FindHandle(FDHandle handle) const {
  // Compared as an address only: a forged handle is never dereferenced.
  auto* rec = reinterpret_cast<HandleRec*>(handle);
  return fHandles.count(rec) ? rec : nullptr;
}

int ObjectStore::NewHandle(int32_t size, FDHandle* out) {
  *out = nullptr;
  if (size < 0) {
    return kFDErrBadParameter;
  }
  if (fHandleBytes + static_cast<size_t>(size) > fMemoryLimit) {
    return kFDErrNoMemory;
  }
  // At least one byte, so that the master pointer of an empty block is never null.
  const size_t capacity = size > 0 ? static_cast<size_t>(size) : 1;
  char* data = static_cast<char*>(std::calloc(capacity, 1));
  if (data == nullptr) {
    return kFDErrNoMemory;
  }
  auto* rec = new (std::nothrow) HandleRec;
  if (rec == nullptr) {
    std::free(data);
    return kFDErrNoMemory;
  }
  rec->fData = data;
  rec->fSize = size;
  rec->fCapacity = capacity;
  fHandles.insert(rec);
  fHandleBytes += static_cast<size_t>(size);
  *out = &rec->fData;
  return kFDErrNone;
}

int ObjectStore::ResizeHandle(HandleRec* rec, int32_t size) {
  if (size < 0) {
    return kFDErrBadParameter;
  }
  const auto newSize = static_cast<size_t>(size);
  const auto oldSize = static_cast<size_t>(rec->fSize);
  if (newSize > oldSize && fHandleBytes + (newSize - oldSize) > fMemoryLimit) {
    return kFDErrNoMemory;
  }
  if (newSize > rec->fCapacity) {
    // A locked block cannot move: whoever locked it may hold its address.
    if (rec->fState & kFDMemLockedState) {
      return kFDErrNoMemory;
    }
    char* data = static_cast<char*>(std::realloc(rec->fData, newSize));
    if (data == nullptr) {
      return kFDErrNoMemory;
    }
    rec->fData = data;
    rec->fCapacity = newSize;
  }
  if (newSize > oldSize) {
    std::memset(rec->fData + oldSize, 0, newSize - oldSize);
  }
  fHandleBytes = fHandleBytes - oldSize + newSize;
  rec->fSize = size;
  return kFDErrNone;
}

void ObjectStore::DisposeHandle(HandleRec* rec) {
  fAttachments.erase(rec);
  fHandles.erase(rec);
  fHandleBytes -= static_cast<size_t>(rec->fSize);
  std::free(rec->fData);
  delete rec;
}

void ObjectStore::Attach(FDHandle handle, std::shared_ptr<void> attachment) {
  if (HandleRec* rec = FindHandle(handle)) {
    fAttachments[rec] = std::move(attachment);
  }
}

std::shared_ptr<void> ObjectStore::Attachment(FDHandle handle) const {
  auto it = fAttachments.find(reinterpret_cast<HandleRec*>(handle));
  return it == fAttachments.end() ? nullptr : it->second;
}

PA_Unichar* ObjectStore::NewText(const PA_Unichar* units, int32_t count) {
  const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
  auto* chars = new PA_Unichar[n + 1];
  if (n > 0 && units != nullptr) {
    std::memcpy(chars, units, n * sizeof(PA_Unichar));
  }
  chars[n] = 0;
  fTexts.emplace(chars, static_cast<int32_t>(n));
  return chars;
}

int32_t ObjectStore::TextLength(const PA_Unichar* chars) const {
  auto it = fTexts.find(const_cast<PA_Unichar*>(chars));
  return it == fTexts.end() ? -1 : it->second;
}

void ObjectStore::DisposeText(PA_Unichar* chars) {
  if (fTexts.erase(chars)) {
    delete[] chars;
  }
}

void ObjectStore::DisposePicture(FDPictureRec* picture) {
  if (fPictures.erase(picture)) {
    delete picture;
  }
}

void ObjectStore::DisposeNativeImage(FDNativeImage* image) {
  if (fImages.erase(image)) {
    delete[] image->fPixels;
    delete image;
  }
}

LiveObjects ObjectStore::Count() const {
  LiveObjects live;
  live.textBlocks = static_cast<int>(fTexts.size());
  live.pictures = static_cast<int>(fPictures.size());
  live.handles = static_cast<int>(fHandles.size());
  live.nativeImages = static_cast<int>(fImages.size());
  return live;
}

void ObjectStore::DisposeAll() {
  fAttachments.clear();
  while (!fHandles.empty()) {
    DisposeHandle(*fHandles.begin());
  }
  fHandleBytes = 0;
  for (auto& [chars, length] : fTexts) {
    delete[] chars;
  }
  fTexts.clear();
  for (FDPictureRec* picture : fPictures) {
    delete picture;
  }
  fPictures.clear();
  for (FDNativeImage* image : fImages) {
    delete[] image->fPixels;
    delete image;
  }
  fImages.clear();
}

} // namespace zvhost
