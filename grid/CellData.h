// What one evaluation of a cell yields: its bitmap and its caption.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

struct CellData {
  FDNativeImage* fPicture = nullptr; // owned by the cache once stored
  PA_Unichar* fCaption = nullptr;    // malloc'ed, zero-terminated; owned by the cache once stored
  bool fLoaded = false;              // evaluated, even when both results are null
  uint32_t fStamp = 0; // set by the cache when stored: tells one loading of a cell from another

  bool IsLoaded() const { return fLoaded; }
  // Releases the bitmap and the caption and marks the cell unloaded.
  void Clear();
  // A bitmap counts 4 bytes a pixel whatever its real format.
  uint32_t CalcByteSize() const;
};
