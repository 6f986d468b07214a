#include "grid/CellData.h"

#include <stdlib.h>

#include "grid/CellPictures.h"
#include "host/FourD.h"

namespace {

uint32_t UnitCount(const PA_Unichar* text) {
  uint32_t n = 0;
  while (text[n] != 0) {
    ++n;
  }
  return n;
}

} // namespace

void CellData::Clear() {
  if (fOwnsPicture) {
    DeleteOwnedImage(fPicture);
  } else if (fPicture != nullptr) {
    FourD::DisposeNativeImage(fPicture);
  }
  fPicture = nullptr;
  fOwnsPicture = false;
  fExtent = PictureExtent();
  free(fCaption);
  fCaption = nullptr;
  fLoaded = false;
  fStamp = 0;
}

uint32_t CellData::CalcByteSize() const {
  uint32_t size = 0;
  if (fPicture != nullptr) {
    size += static_cast<uint32_t>(fPicture->fWidth) * static_cast<uint32_t>(fPicture->fHeight) * 4;
  }
  if (fCaption != nullptr) {
    size += 2 * UnitCount(fCaption) + 2;
  }
  return size;
}
