#include <stdlib.h>

#include <new>
#include <vector>

#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "platform/win/WinImages.h"

namespace {

constexpr int32_t kEncoderFailed = -36;

const PA_Unichar kTiffMimeType[] = {'i', 'm', 'a', 'g', 'e', '/', 't', 'i', 'f', 'f', 0};

// Draws the cell into `pixels` and encodes them; 0, -108 or -36.
int32_t EncodeCell(ZorvinArea* area, uint32_t cell, int32_t width, int32_t height, uint8_t* pixels,
                   std::vector<uint8_t>* bytes) {
  gfx::Bitmap bitmap(width, height, width * 4, gfx::PixelFormat32bppRGB, pixels);
  if (bitmap.GetLastStatus() != gfx::Status::Ok) {
    return kFDErrNoMemory;
  }
  {
    gfx::Graphics graphics(&bitmap);
    if (graphics.GetLastStatus() != gfx::Status::Ok) {
      return kFDErrNoMemory;
    }
    area->DrawPlainCell(&graphics, cell);
    graphics.Flush();
  }
  gfx::ImageEncoder encoder;
  if (GetEncoderClsid(kTiffMimeType, &encoder) != 1) {
    return kEncoderFailed;
  }
  switch (bitmap.Save(encoder, bytes)) {
  case gfx::Status::Ok:
    return bytes->empty() ? kEncoderFailed : 0;
  case gfx::Status::OutOfMemory:
    return kFDErrNoMemory;
  default:
    return kEncoderFailed;
  }
}

} // namespace

int32_t ZorvinArea::CaptureCell(int32_t cell, FDPicture* picture) {
  if (picture == nullptr) {
    return kFDErrBadParameter;
  }
  if (cell < 1 || cell > fCellCount) {
    return kFDErrNoMemory;
  }
  const int32_t width = static_cast<int32_t>(fCellSize.width);
  const int32_t height = static_cast<int32_t>(fCellSize.height);
  if (width <= 0 || height <= 0) {
    return kFDErrNoMemory;
  }
  auto* pixels =
      static_cast<uint8_t*>(calloc(static_cast<size_t>(height), static_cast<size_t>(width) * 4));
  if (pixels == nullptr) {
    return kFDErrNoMemory;
  }
  int32_t result = 0;
  try {
    std::vector<uint8_t> bytes;
    result = EncodeCell(this, static_cast<uint32_t>(cell), width, height, pixels, &bytes);
    if (result == 0) {
      FDPicture made = nullptr;
      // A host that cannot hold the picture is out of memory as far as the caller can tell.
      if (FourD::CreateFDPicture(bytes.data(), static_cast<int32_t>(bytes.size()), &made) != 0 ||
          made == nullptr) {
        result = kFDErrNoMemory;
      } else {
        *picture = made;
      }
    }
  } catch (const std::bad_alloc&) {
    result = kFDErrNoMemory;
  }
  free(pixels);
  return result;
}
