// Text blocks (FDStringBlock): the host allocates their characters, zero-terminated, and is the
// only one to release them. Blocks whose characters the host did not hand out are refused.
#pragma once

#include <stdint.h>

#include <string>
#include <string_view>

#include "sdk/FourDPluginAPI.h"

namespace zvhost {

int CreateTextBlock(FDStringBlock* block); // a fresh empty text; old words are not looked at
int SetTextBlock(FDStringBlock* block, const PA_Unichar* units, int32_t count);
int SetEmptyTextBlock(FDStringBlock* block);
int DisposeTextBlock(FDStringBlock* block); // zeroes the four words
// The text of a block; empty when its characters are not the host's.
std::u16string_view TextOf(const FDStringBlock& block);

// -1, 0 or 1; options: kFDCompareCaseSensitive, kFDCompareDiacriticSensitive.
int CompareTexts(std::u16string_view a, std::u16string_view b, int32_t options);

} // namespace zvhost
