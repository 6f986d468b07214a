// Text arrives as UTF-16 code units (the host's text); the text engine takes UTF-8.
#pragma once

#include <stdint.h>

#include <string>

namespace gfx {

// `length` < 0 means up to the terminating 0. Unpaired surrogates become U+FFFD and embedded
// zeros are dropped, so any input gives valid text. False only when memory runs out.
bool Utf16ToUtf8(const uint16_t* text, int length, std::string* out);
bool Utf16ToUtf8(const char16_t* text, int length, std::string* out);

} // namespace gfx
