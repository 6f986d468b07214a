#include "plugin/CXParam.h"

#include <string.h>

#include "host/FourD.h"

namespace {

template <typename T>
T ReadAt(const void* cell) {
  T value;
  memcpy(&value, cell, sizeof value);
  return value;
}

template <typename T>
void WriteAt(void* cell, T value) {
  memcpy(cell, &value, sizeof value);
}

} // namespace

int16_t CXParam::GetShort() const {
  return ReadAt<int16_t>(fCell);
}
int32_t CXParam::GetLong() const {
  return ReadAt<int32_t>(fCell);
}
unsigned char CXParam::GetBoolean() const {
  return ReadAt<unsigned char>(fCell);
}
double CXParam::GetNativeReal() const {
  return ReadAt<double>(fCell);
}

void CXParam::SetShort(int16_t value) {
  WriteAt(fCell, value);
}
void CXParam::SetLong(int32_t value) {
  WriteAt(fCell, value);
}
void CXParam::SetBoolean(unsigned char value) {
  WriteAt(fCell, value);
}
void CXParam::SetNativeReal(double value) {
  WriteAt(fCell, value);
}

void CXParam::GetEvent(EventRecord* event) const {
  memcpy(event, fCell, sizeof *event);
}
void CXParam::GetRect(Rect& rect) const {
  memcpy(&rect, fCell, sizeof rect);
}

void CXParam::GetDate4D(DateBlock& date) const {
  memcpy(&date, fCell, sizeof date);
}
void CXParam::SetDate4D(const DateBlock* date) {
  memcpy(fCell, date, sizeof *date);
}

FDPicture CXParam::GetFDPictureRef() const {
  return ReadAt<FDPicture>(fCell);
}
FDHandle CXParam::GetHandle() const {
  return ReadAt<FDHandle>(fCell);
}
void CXParam::GetVarRec(ValueBlock& value) const {
  memcpy(&value, fCell, sizeof value);
}

void* CXParam::GetPointerPtr() const {
  if (!FourD::IsCompiled()) {
    return fCell;
  }
  if (fCell == nullptr) {
    return nullptr;
  }
  const auto* block = static_cast<const unsigned char*>(fCell);
  if (block[0] != kFDPointer) {
    return nullptr;
  }
  const auto* word = ReadAt<const void*>(block + kValueBlockValueOffset);
  // The word points at the host's pointer record, whose first cell is the pointer itself.
  return word != nullptr ? ReadAt<void*>(word) : nullptr;
}
