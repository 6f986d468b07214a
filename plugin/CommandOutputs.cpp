#include "plugin/CommandOutputs.h"

#include "host/FourD.h"

bool TextHasCharacters(const FDStringBlock* block) {
  return block->fString != nullptr;
}

void ResetTextOutput(FDStringBlock* block) {
  if (TextHasCharacters(block)) {
    FourD::SetEmptyFDString(block);
  } else {
    FourD::CreateFDString(block);
  }
}

void RenewTextOutput(FDStringBlock* block) {
  if (TextHasCharacters(block)) {
    FourD::DisposeFDStringBlock(block);
  }
  FourD::CreateFDString(block);
}

void GiveTextCharacters(FDStringBlock* block) {
  if (!TextHasCharacters(block)) {
    FourD::CreateFDString(block);
  }
}

int16_t SetTextOutput(FDStringBlock* block, const PA_Unichar* text, int32_t length) {
  return FourD::SetFDString(block, text, length);
}

int16_t SetTextOutput(FDStringBlock* block, const PA_Unichar* text) {
  if (text == nullptr) {
    return 0;
  }
  int32_t length = 0;
  while (text[length] != 0) {
    ++length;
  }
  return SetTextOutput(block, text, length);
}

bool HasTextInput(const FDStringBlock* block) {
  return block->fLength > 0 && block->fString != nullptr;
}

ZVText TextInput(const FDStringBlock* block) {
  if (!HasTextInput(block)) {
    return ZVText();
  }
  return ZVText(block->fString, static_cast<size_t>(block->fLength));
}

int16_t SetTextOutputFromPStr(FDStringBlock* block, const unsigned char* text) {
  PA_Unichar units[255];
  const int32_t length = text[0];
  for (int32_t i = 0; i < length; ++i) {
    units[i] = text[1 + i];
  }
  return SetTextOutput(block, units, length);
}

void ResetPictureOutput(FDPicture* cell) {
  if (*cell != nullptr) {
    FourD::DisposeFDPicture(*cell);
  }
  *cell = nullptr;
}
