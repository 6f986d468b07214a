// Parameters of the form and input commands: windows, areas, coordinates.
#pragma once

#include <stdint.h>

#include <memory>

#include "../Forms.h"
#include "Commands.h"

namespace zvhost::lang {

int16_t ShortArg(CommandContext& c, size_t i); // -32768 to 32767
uint16_t WordArg(CommandContext& c, size_t i); // 0 to 65535
// left; top; right; bottom from parameter `first` on.
Rect RectArgs(CommandContext& c, size_t first);
std::shared_ptr<Window> WindowArg(CommandContext& c, size_t i);   // an open window's number
std::shared_ptr<PluginArea> AreaArg(CommandContext& c, size_t i); // a placed area's reference

} // namespace zvhost::lang
