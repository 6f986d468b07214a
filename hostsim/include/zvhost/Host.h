// The emulated host as programs and tests drive it: its callback entry, its state, the host
// language, and the counts of live host objects.
#pragma once

#include <stdint.h>

#include <string>

#include "zvhost/HostPlatform.h"

namespace zvhost {

enum class ProgramMode { SingleUser, Client, Server };

struct LiveObjects {
  int textBlocks = 0;
  int pictures = 0;
  int handles = 0; // memory handles, token handles included
  int nativeImages = 0;
  int Total() const { return textBlocks + pictures + handles + nativeImages; }
};

// The callback entry the host hands a plug-in in FDPackInitBlock::fCallBack.
ZVHOST_API FDCallBack CallBackEntry();

// Drops every variable, process, method and host object and starts afresh.
ZVHOST_API void ResetHost(ProgramMode mode = ProgramMode::SingleUser,
                          uint32_t hostVersion = 0x1400);
ZVHOST_API uint32_t HostVersion();
ZVHOST_API LiveObjects CountLiveObjects();

// Runs host-language statements in the current process. Returns 0, or the host error of a
// syntax or run-time error, with a "line: message" text in `message`.
ZVHOST_API int RunCode(const std::string& utf8, std::string* message = nullptr);

// Keyboard state for GetKeys.
ZVHOST_API void SetKeyDown(int keyCode, bool down);

} // namespace zvhost
