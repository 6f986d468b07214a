// The error codes that commands return in their result cell.
#pragma once

#include <stdint.h>

constexpr int32_t kZVErrNone = 0;
constexpr int32_t kZVErrBadParameter = -50; // also: the reference names no live grid area
constexpr int32_t kZVErrNoMemory = -108;
constexpr int32_t kZVErrNoGrid = -2093; // this build has no grid area
// A command whose area behaviour this version does not offer yet answers as a build without it
// does, rather than pretend to succeed.
constexpr int32_t kZVErrNotYetAvailable = kZVErrNoGrid;
