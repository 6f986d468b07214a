// Bitmaps the plug-in makes itself, in the host's native image layout: a picture reduced to the
// size it is drawn at, or the part of it a cell shows. Freed with DeleteOwnedImage, never by the
// host.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

// Null when memory is short.
FDNativeImage* NewOwnedImage(int32_t width, int32_t height);
void DeleteOwnedImage(FDNativeImage* image);
// `image` scaled to width x height with high-quality filtering.
FDNativeImage* ScaledImageCopy(const FDNativeImage& image, int32_t width, int32_t height);
// The rectangle (x, y, width, height), which must lie inside `image`.
FDNativeImage* ImagePartCopy(const FDNativeImage& image, int32_t x, int32_t y, int32_t width,
                             int32_t height);
