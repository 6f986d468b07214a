// Value blocks: a kind byte, a filler byte, the value from byte 2. The value is unaligned, so
// every access copies bytes.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "sdk/FourDPluginAPI.h"

// Where a BLOB keeps its handle, after the size.
enum { kValueBlockHandleOffset = kValueBlockValueOffset + 4 };

inline unsigned char GetValueKind(const ValueBlock* block) {
  return block->fBytes[0];
}
inline void SetValueKind(ValueBlock* block, unsigned char kind) {
  block->fBytes[0] = kind;
}

// Zeroes the block and gives it a kind.
inline void ClearValueBlock(ValueBlock* block, unsigned char kind) {
  memset(block->fBytes, 0, sizeof block->fBytes);
  block->fBytes[0] = kind;
}

template <typename T>
T ReadValueAt(const ValueBlock* block, size_t offset = kValueBlockValueOffset) {
  static_assert(sizeof(T) <= kValueBlockSize - kValueBlockValueOffset);
  T value;
  memcpy(&value, block->fBytes + offset, sizeof value);
  return value;
}

template <typename T>
void WriteValueAt(ValueBlock* block, const T& value, size_t offset = kValueBlockValueOffset) {
  static_assert(sizeof(T) <= kValueBlockSize - kValueBlockValueOffset);
  memcpy(block->fBytes + offset, &value, sizeof value);
}

// Typed access by kind; the setters also set the kind.
inline int32_t GetValueLong(const ValueBlock* b) {
  return ReadValueAt<int32_t>(b);
}
inline double GetValueReal(const ValueBlock* b) {
  return ReadValueAt<double>(b);
}
inline bool GetValueBoolean(const ValueBlock* b) {
  return ReadValueAt<unsigned char>(b) != 0;
}
inline FDPicture GetValuePicture(const ValueBlock* b) {
  return ReadValueAt<FDPicture>(b);
}
inline FDStringBlock GetValueText(const ValueBlock* b) {
  return ReadValueAt<FDStringBlock>(b);
}
inline DateBlock GetValueDate(const ValueBlock* b) {
  return ReadValueAt<DateBlock>(b);
}
inline int32_t GetValueBlobSize(const ValueBlock* b) {
  return ReadValueAt<int32_t>(b);
}
inline FDHandle GetValueBlobHandle(const ValueBlock* b) {
  return ReadValueAt<FDHandle>(b, kValueBlockHandleOffset);
}

void SetValueLong(ValueBlock* block, int32_t value);
void SetValueTime(ValueBlock* block, int32_t seconds);
void SetValueReal(ValueBlock* block, double value);
void SetValueBoolean(ValueBlock* block, bool value);
void SetValuePicture(ValueBlock* block, FDPicture picture);
void SetValueText(ValueBlock* block, const FDStringBlock& text);
void SetValueDate(ValueBlock* block, const DateBlock& date);
void SetValueBlob(ValueBlock* block, int32_t size, FDHandle data);

// Conversions (host errors: 0, or -1999 for a kind the conversion does not handle).
int32_t Long2ValueBlock(int32_t value, ValueBlock* block); // by the block's kind
int32_t Value2Long(const ValueBlock* block, int32_t* value);

// Releases what the block owns (text, picture, BLOB) through the host and zeroes those words.
void FreeValueBlock(ValueBlock* block);
