#include "grid/CellData.h"

#include <stdlib.h>

#include "grid/CellPictures.h"
#include "host/FourD.h"
#include "host/HostText.h"

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
    size += 2 * FourD::UniLength(fCaption) + 2;
  }
  return size;
}
