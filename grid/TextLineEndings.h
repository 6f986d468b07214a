// Line endings of captions: the host may give CR, LF or CR LF; captions are drawn with CR LF.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

enum ZVLineEnding : uint32_t { kZVLineEndingCR = 1, kZVLineEndingCRLF = 2, kZVLineEndingLF = 4 };

// The kinds of endings found, as bits (0 for none or for null), and how many there are.
uint32_t GetTextLineEndings(const PA_Unichar* text, uint32_t* count);
// A malloc'ed, zero-terminated copy with every ending made `kind` (any other kind drops them);
// null for a null text or when memory runs out.
PA_Unichar* SetAllocTextLineEndings(const PA_Unichar* text, uint32_t kind);
