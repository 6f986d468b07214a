// The descriptor table as the host's command manifest: one line per assigned command, in
// selector order: selector, name, flags (8 hex digits), result type (2 hex digits) and the
// parameter type codes (2 hex digits each, comma-separated, "-" for none).
#pragma once

#include <string>

#include "plugin/PlugInfo.h"

std::string FormatCommandManifest(const CommandInfo* table, int count);
