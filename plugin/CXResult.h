// A command's result cell: one pointer-sized cell that holds a small result itself, or points at
// the host's storage for a larger one.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

class CXResult {
public:
  // Held in the cell, sign-extended to its width.
  void SetLong(int32_t value) { fCell = value; }
  void SetShort(int16_t value) { fCell = value; }
  void SetBoolean(unsigned char value) { fCell = value != 0 ? 1 : 0; }

  // Written where the cell points.
  void SetNativeReal(double value);
  void SetDate4D(const DateBlock* date);
  FDStringBlock* GetFDStringBlockPtr() const { return reinterpret_cast<FDStringBlock*>(fCell); }
  FDPicture* GetFDPictureRefPtr() const { return reinterpret_cast<FDPicture*>(fCell); }

  FDHandle* GetHandlePtr() { return reinterpret_cast<FDHandle*>(&fCell); }

  intptr_t GetCell() const { return fCell; }

private:
  intptr_t fCell;
};

static_assert(sizeof(CXResult) == sizeof(void*));
