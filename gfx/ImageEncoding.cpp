#include "gfx/ImageEncoding.h"

#include <string.h>

#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Utf16.h"

namespace gfx {

namespace {

struct EncoderEntry {
  const char* fMimeType;
  ImageEncoder fEncoder;
};

constexpr EncoderEntry kEncoders[] = {{"image/png", ImageEncoder::Png},
                                      {"image/tiff", ImageEncoder::Tiff}};

} // namespace

bool FindImageEncoder(const char* mimeType, ImageEncoder* encoder) {
  if (!mimeType || !encoder) {
    return false;
  }
  for (const EncoderEntry& entry : kEncoders) {
    if (strcmp(entry.fMimeType, mimeType) == 0) {
      *encoder = entry.fEncoder;
      return true;
    }
  }
  return false;
}

bool FindImageEncoder(const uint16_t* mimeType, ImageEncoder* encoder) {
  std::string utf8;
  return mimeType && Utf16ToUtf8(mimeType, -1, &utf8) && FindImageEncoder(utf8.c_str(), encoder);
}

Status EncodeImage(const Bitmap& bitmap, ImageEncoder encoder, std::vector<uint8_t>* bytes) {
  if (!bytes) {
    return Status::InvalidParameter;
  }
  bytes->clear();
  if (!bitmap.Native()) {
    return Status::WrongState;
  }
  switch (encoder) {
  case ImageEncoder::Png:
    return EncodePng(bitmap, bytes);
  case ImageEncoder::Tiff:
    return EncodeTiff(bitmap, bytes);
  }
  return Status::UnknownImageFormat;
}

} // namespace gfx
