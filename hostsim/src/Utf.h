// Conversions between the host's UTF-16 text and the UTF-8 of files and programs.
#pragma once

#include <string>
#include <string_view>

#include "sdk/FourDPluginAPI.h"

namespace zvhost {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The units of a zero-terminated UTF-16 text; empty for null.
std::u16string_view TerminatedView(const PA_Unichar* text);
std::u16string_view UnitsView(const PA_Unichar* text, int32_t length);

// Writes at most capacity - 1 units and a terminator.
void CopyTerminated(std::u16string_view text, PA_Unichar* out, size_t capacity);

// Folding used by names and comparisons: ASCII letters to lower case.
std::string AsciiLower(std::string_view text);
std::u16string AsciiLower(std::u16string_view text);

} // namespace zvhost
