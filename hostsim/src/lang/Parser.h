// Builds a Program from host-language text. Syntax errors are thrown as ScriptError.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Ast.h"

namespace zvhost::lang {

std::shared_ptr<Program> Parse(std::u16string_view source, const std::string& label);

} // namespace zvhost::lang
