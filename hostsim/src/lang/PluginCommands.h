// The plug-in's commands, callable by name with the parameter kinds of their type codes.
#pragma once

#include <string_view>

#include "Commands.h"
#include "zvhost/Host.h"

namespace zvhost::lang {

void AddPluginCommand(const PluginCommand& command);
const PluginCommand* FindPluginCommand(std::u16string_view lowerName);

// Builds the parameter block, calls the plug-in and answers the result cell's long (undefined
// for a command without a result).
Value CallPluginCommand(const PluginCommand& command, CommandContext& context);

// Calls the plug-in's entry; a failed ASSERT in code it made the host run is raised here.
void CallPlugin(int32_t selector, void* params, void* hostData, void* result);

} // namespace zvhost::lang
