// Where the library and the host executable lie, recorded when the library is loaded, and the
// bundle's resources folder beside the library.
#pragma once

#include <stddef.h>

#include "sdk/FourDPluginAPI.h"

enum { kPluginFilePathUnits = 520 };

extern void* sPluginInstance;                            // the library's load address
extern PA_Unichar sPluginFilePath[kPluginFilePathUnits]; // zero-terminated; empty when unknown

// The resources folder of the bundle the library lies in (Contents/Resources beside
// Contents/Linux/libzorvi.so or Contents/Windows64/Zorvi.4DX), without a trailing separator. Kept
// once made; null when the memory for it could not be had, in which case the next call tries again.
const PA_Unichar* GetPluginBundleResourcesFolderPath();

// Whether a path unit separates components on this platform.
bool IsPathSeparator(PA_Unichar unit);

// The rule behind it: the library path without its last two components, then "Resources".
// Returns the units written into `out` (zero-terminated), 0 when it does not fit.
size_t MakeResourcesFolderPath(const PA_Unichar* libraryPath, PA_Unichar* out, size_t capacity);
