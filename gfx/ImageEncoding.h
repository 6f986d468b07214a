// Encoding a bitmap's pixels as PNG or TIFF bytes in memory.
#pragma once

#include <stdint.h>

#include <vector>

#include "gfx/GfxStatus.h"

namespace gfx {

class Bitmap;

enum class ImageEncoder { Png, Tiff };

// Looks an encoder up by MIME type ("image/png", "image/tiff"), compared exactly, letter case
// included.
bool FindImageEncoder(const char* mimeType, ImageEncoder* encoder);
bool FindImageEncoder(const uint16_t* mimeType, ImageEncoder* encoder);

// Replaces `bytes` with the encoded image. An opaque (RGB) bitmap is written without alpha, any
// other with straight alpha. EncoderFailed when the encoder gives up, OutOfMemory when the bytes
// cannot be held.
Status EncodeImage(const Bitmap& bitmap, ImageEncoder encoder, std::vector<uint8_t>* bytes);

// The two encoders behind EncodeImage.
Status EncodePng(const Bitmap& bitmap, std::vector<uint8_t>* bytes);
Status EncodeTiff(const Bitmap& bitmap, std::vector<uint8_t>* bytes);

} // namespace gfx
