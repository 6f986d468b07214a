// The operators of the host language on values.
#pragma once

#include <string>

#include "../Value.h"
#include "Ast.h"

namespace zvhost::lang {

// The result, or an error message in `error` (the result is then undefined).
Value ApplyOperator(Op op, const Value& left, const Value& right, std::string* error);

} // namespace zvhost::lang
