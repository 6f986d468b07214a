// Values as text: the plain rendering (LOG, String without a format) and the host's display
// formats for numbers ("###,##0.00", with literal prefix and suffix and optional negative and
// zero sections), booleans ("yes;no"), dates and times (numbered formats).
#pragma once

#include <stdint.h>

#include <string>
#include <string_view>

#include "Value.h"

namespace zvhost {

std::u16string PlainText(const Value& value);
std::u16string PlainNumber(double value);
std::u16string FormatNumber(double value, std::u16string_view format);
std::u16string FormatBoolean(bool value, std::u16string_view format);
std::u16string FormatDate(const DateBlock& date, int32_t format);
std::u16string FormatTime(int32_t seconds, int32_t format);

} // namespace zvhost
