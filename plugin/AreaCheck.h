// The one place where a command's area reference is turned into a live grid area.
#pragma once

#include <stdint.h>

class ZorvinArea;

// The grid area that `areaRef` names, or null when it names no live area (the command then
// answers -50). A stale or forged reference finds nothing.
ZorvinArea* ZVLookUpArea(int32_t areaRef);
