// Array elements as values: reading one out and storing one in, with the conversions the host
// language allows (any number into a numeric array, the exact kind otherwise).
#pragma once

#include <stdint.h>

#include <string>

#include "ArrayBlock.h"
#include "Value.h"

namespace zvhost {

// False, with a message, for an element that is not a value (a row of an array of arrays).
bool ElementValue(const ArrayView& array, int32_t index, Value* out, std::string* error);
// False, with a message, when the value's kind does not fit the array.
bool StoreElement(ArrayView& array, int32_t index, const Value& value, std::string* error);

} // namespace zvhost
