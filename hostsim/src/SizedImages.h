// Native images of pictures at a reduced size: a JPEG is decoded at the smallest of its cheap
// fractions (1/2, 1/4, 1/8) that still covers the size, other formats in full, and what remains
// is reduced by averaging. Recent results are kept, so that asking again for the same picture at
// the same size decodes nothing.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

namespace zvhost {

// Each axis is reduced to at most `width` and `height`, never enlarged. Host error.
int CreateNativeImageForSize(FDPicture picture, int32_t width, int32_t height, FDNativeImage** out);
// Empties the kept results (a host reset).
void ClearSizedImages();

} // namespace zvhost
