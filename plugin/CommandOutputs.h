// How command bodies write into the caller's text blocks and picture cells, and prepare text
// inputs. Text blocks are only ever created, set and disposed of through the host.
#pragma once

#include <stdint.h>

#include <string>

#include "sdk/FourDPluginAPI.h"

// A block without a character pointer holds no text yet.
bool TextHasCharacters(const FDStringBlock* block);

// The usual reset of a text output: emptied when it holds text, else created empty.
void ResetTextOutput(FDStringBlock* block);
// Disposed of when it holds text, then created afresh.
void RenewTextOutput(FDStringBlock* block);
// A text input without characters is given an empty text before its characters are read.
void GiveTextCharacters(FDStringBlock* block);

int16_t SetTextOutput(FDStringBlock* block, const PA_Unichar* text, int32_t length);
// A zero-terminated text; null leaves the block as it is.
int16_t SetTextOutput(FDStringBlock* block, const PA_Unichar* text);

using ZVText = std::basic_string<PA_Unichar>;

// A text input is absent when its length is 0 or less.
bool HasTextInput(const FDStringBlock* block);
// A zero-terminated copy of a text input's characters; empty when absent.
ZVText TextInput(const FDStringBlock* block);
// A length-prefixed byte string, one unit per byte.
int16_t SetTextOutputFromPStr(FDStringBlock* block, const unsigned char* text);

// Disposes of the caller's picture and leaves the cell without one.
void ResetPictureOutput(FDPicture* cell);
