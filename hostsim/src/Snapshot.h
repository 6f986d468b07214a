// A window's pixels as a person sees them: its surface with the native scroll bars over it.
#pragma once

#include <stdint.h>

#include <vector>

#include "Forms.h"

namespace zvhost {

// Rows top down, the surface's width apart, premultiplied ARGB.
std::vector<uint32_t> SnapshotPixels(const Window& window);
// The same, of the surface alone: what the plug-in and the host drew on it.
std::vector<uint32_t> SurfacePixels(const Window& window);

} // namespace zvhost
