#include "grid/CellRenderCache.h"

#include "gfx/Bitmap.h"

bool CellLook::operator==(const CellLook& other) const {
  return CGSizeEqualToSize(fCellSize, other.fCellSize) &&
         CGRectEqualToRect(fPictureRect, other.fPictureRect) &&
         CGRectEqualToRect(fCaptionRect, other.fCaptionRect) &&
         fPictureFormat == other.fPictureFormat && fBackPictureFormat == other.fBackPictureFormat &&
         fBackColor == other.fBackColor && fCaptionForeColor == other.fCaptionForeColor &&
         fCaptionBackColor == other.fCaptionBackColor &&
         fCaptionHorzAlignment == other.fCaptionHorzAlignment &&
         fCaptionVertAlignment == other.fCaptionVertAlignment &&
         fCaptionTextSize == other.fCaptionTextSize &&
         fCaptionTextStyle == other.fCaptionTextStyle && fNativeObjects == other.fNativeObjects &&
         fLookGeneration == other.fLookGeneration && fStampEpoch == other.fStampEpoch &&
         fDrawingModes == other.fDrawingModes;
}

CellRenderCache::CellRenderCache() = default;

CellRenderCache::~CellRenderCache() = default;

void CellRenderCache::SetLook(const CellLook& look) {
  if (look == fLook) {
    return;
  }
  Clear();
  fLook = look;
}

void CellRenderCache::SetMaxByteSize(size_t bytes) {
  fMaxByteSize = bytes;
  while (fByteTotal > fMaxByteSize && !fEntries.empty()) {
    EvictOldest();
  }
}

gfx::Bitmap* CellRenderCache::Find(uint32_t cell, uint32_t stamp) {
  auto found = fEntries.find(cell);
  if (found == fEntries.end()) {
    return nullptr;
  }
  if (found->second.fStamp != stamp) {
    fByteTotal -= found->second.fBytes;
    fEntries.erase(found);
    return nullptr;
  }
  found->second.fLastUse = ++fClock;
  return found->second.fBitmap.get();
}

gfx::Bitmap* CellRenderCache::Store(uint32_t cell, uint32_t stamp,
                                    std::unique_ptr<gfx::Bitmap> bitmap) {
  if (bitmap == nullptr) {
    return nullptr;
  }
  const size_t bytes =
      static_cast<size_t>(bitmap->GetWidth()) * static_cast<size_t>(bitmap->GetHeight()) * 4;
  if (!CanKeep(bytes)) {
    return nullptr;
  }
  if (auto old = fEntries.find(cell); old != fEntries.end()) {
    fByteTotal -= old->second.fBytes;
    fEntries.erase(old);
  }
  while (fByteTotal + bytes > fMaxByteSize && !fEntries.empty()) {
    EvictOldest();
  }
  Entry& entry = fEntries[cell];
  entry.fBitmap = std::move(bitmap);
  entry.fStamp = stamp;
  entry.fLastUse = ++fClock;
  entry.fBytes = bytes;
  fByteTotal += bytes;
  return entry.fBitmap.get();
}

void CellRenderCache::Clear() {
  fEntries.clear();
  fByteTotal = 0;
}

// A linear walk: it runs only when the bound is reached, over the few screens of cells kept.
void CellRenderCache::EvictOldest() {
  auto oldest = fEntries.begin();
  for (auto it = fEntries.begin(); it != fEntries.end(); ++it) {
    if (it->second.fLastUse < oldest->second.fLastUse) {
      oldest = it;
    }
  }
  fByteTotal -= oldest->second.fBytes;
  fEntries.erase(oldest);
}
