// Cells as drawn, without their selection frame: redrawing a cell whose data and look have not
// changed is a copy of its pixels. Bounded in bytes; the least recently drawn go first.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <memory>
#include <unordered_map>

#include "platform/win/CGGeometry.h"

namespace gfx {
class Bitmap;
}

// Everything a plain cell's pixels depend on besides its data.
struct CellLook {
  CGSize fCellSize{};
  CGRect fPictureRect{};
  CGRect fCaptionRect{};
  int32_t fPictureFormat = 0;
  int32_t fBackPictureFormat = 0;
  int32_t fBackColor = 0;
  int32_t fCaptionForeColor = 0;
  int32_t fCaptionBackColor = 0;
  int32_t fCaptionHorzAlignment = 0;
  int32_t fCaptionVertAlignment = 0;
  int32_t fCaptionTextSize = 0;
  int32_t fCaptionTextStyle = 0;
  uint32_t fNativeObjects = 0;  // which native drawing objects exist, a bit each
  uint32_t fLookGeneration = 0; // font and back picture changes, which values do not show
  uint32_t fStampEpoch = 0;
  int32_t fDrawingModes = 0; // smoothing and interpolation of the graphics drawn into

  bool operator==(const CellLook& other) const;
};

class CellRenderCache {
public:
  CellRenderCache();
  ~CellRenderCache();
  CellRenderCache(const CellRenderCache&) = delete;
  CellRenderCache& operator=(const CellRenderCache&) = delete;

  // Renderings made with another look are dropped.
  void SetLook(const CellLook& look);
  void SetMaxByteSize(size_t bytes);
  // The rendering of `cell` for the loading `stamp` (0: not loaded), or null.
  gfx::Bitmap* Find(uint32_t cell, uint32_t stamp);
  // Whether a rendering of that many bytes could be kept: one that cannot is not worth making.
  bool CanKeep(size_t bytes) const { return bytes <= fMaxByteSize; }
  // Keeps `bitmap` as the cell's rendering and answers it (null when it cannot be kept).
  gfx::Bitmap* Store(uint32_t cell, uint32_t stamp, std::unique_ptr<gfx::Bitmap> bitmap);
  void Clear();

  size_t GetByteTotal() const { return fByteTotal; }
  size_t GetCount() const { return fEntries.size(); }

private:
  struct Entry {
    std::unique_ptr<gfx::Bitmap> fBitmap;
    uint32_t fStamp = 0;
    uint64_t fLastUse = 0;
    size_t fBytes = 0;
  };

  void EvictOldest();

  std::unordered_map<uint32_t, Entry> fEntries;
  CellLook fLook;
  size_t fByteTotal = 0;
  size_t fMaxByteSize = 0;
  uint64_t fClock = 0;
};
