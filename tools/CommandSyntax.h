// The syntax line of a command as the manual shows it, made from the command's descriptor so
// that the manual cannot drift from the table.
#pragma once

#include <string>

#include "plugin/PlugInfo.h"

// "ZV_GetAreaFlags(Longint; var Longint) -> Longint": each parameter's kind, "var" for the
// outputs the command writes, and the result. The area command reads "Zorvi_Area: plug-in area".
std::string CommandSyntaxLine(const CommandInfo& command);
