// A stand-in plug-in entry for the emulator's tests: each selector runs a handler the test
// gives, and its commands are registered with the host by name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "zvhost/Host.h"

namespace fakeplugin {

using Handler = std::function<void(void* params, void* result)>;

inline std::map<int32_t, Handler>& Handlers() {
  static std::map<int32_t, Handler> handlers;
  return handlers;
}

inline void FD_ENTRY_CALL Entry(int32_t selector, void* params, void*, void* result) {
  auto it = Handlers().find(selector);
  if (it != Handlers().end()) {
    it->second(params, result);
  }
}

// Installs the entry with no handlers.
inline void Install() {
  Handlers().clear();
  zvhost::SetPluginEntry(&Entry);
}

inline void On(int32_t selector, Handler handler) {
  Handlers()[selector] = std::move(handler);
}

// A command callable by name; its result is a long (0x49).
inline void Command(int32_t selector, const std::string& name, std::vector<uint8_t> params,
                    Handler handler, uint32_t flags = 0) {
  zvhost::PluginCommand command;
  command.selector = selector;
  command.name = name;
  command.flags = flags;
  command.resultType = kFDTypeLongOut;
  command.paramTypes = std::move(params);
  zvhost::RegisterPluginCommand(command);
  On(selector, std::move(handler));
}

template <typename T>
T* Param(void* params, int i) {
  return static_cast<T*>(static_cast<void**>(params)[i]);
}

inline void SetResult(void* result, int32_t value) {
  *static_cast<int32_t*>(result) = value;
}

} // namespace fakeplugin
