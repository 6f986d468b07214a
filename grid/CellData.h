// What one evaluation of a cell yields: its bitmap and its caption.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

// Which part of the evaluated picture a kept bitmap stands for, in the picture's own pixels: all
// of it reduced to the size it is drawn at, or the part that a format showing it unscaled needs.
// A zero picture size means the bitmap is the whole picture at its own size.
struct PictureExtent {
  int32_t fPictureWidth = 0;
  int32_t fPictureHeight = 0;
  int32_t fPartX = 0;
  int32_t fPartY = 0;
  int32_t fPartWidth = 0;
  int32_t fPartHeight = 0;
};

struct CellData {
  FDNativeImage* fPicture = nullptr; // owned by the cache once stored
  bool fOwnsPicture = false;         // made by the plug-in, not by the host
  PictureExtent fExtent;
  PA_Unichar* fCaption = nullptr; // malloc'ed, zero-terminated; owned by the cache once stored
  bool fLoaded = false;           // evaluated, even when both results are null
  uint32_t fStamp = 0; // set by the cache when stored: tells one loading of a cell from another

  bool IsLoaded() const { return fLoaded; }
  // Releases the bitmap and the caption and marks the cell unloaded.
  void Clear();
  // A bitmap counts 4 bytes a pixel whatever its real format.
  uint32_t CalcByteSize() const;
};
