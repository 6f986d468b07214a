// Conversions between the plug-in's byte strings and the host's UTF-16 text.
#pragma once

#include <stddef.h>

#include "sdk/FourDPluginAPI.h"

namespace FourD {

// Units before the terminator; 0 for null.
size_t UniLength(const PA_Unichar* text);

// Byte text (UTF-8; a byte that is not part of a valid sequence stands for itself, as in
// Latin-1) to zero-terminated UTF-16, cut to fit. Returns the units written.
size_t BytesToUni(const char* bytes, size_t byteCount, PA_Unichar* out, size_t capacity);

// UTF-16 to zero-terminated UTF-8, cut at a whole character to fit. Returns the bytes written.
size_t UniToUtf8(const PA_Unichar* text, size_t units, char* out, size_t capacity);

// Copies a zero-terminated UTF-16 text, cut to fit, always terminated. Returns the units copied.
size_t UniCopy(const PA_Unichar* text, PA_Unichar* out, size_t capacity);

} // namespace FourD
