// A host value in the host's own storage: the cells that plug-in commands write in place (an
// aligned long, a text block, a picture cell, an array block), owning the host objects in them.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <string_view>

#include "sdk/FourDPluginAPI.h"

namespace zvhost {

class Value {
public:
  Value() = default;
  ~Value();
  Value(Value&& other) noexcept;
  Value& operator=(Value&& other) noexcept;
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  static Value Long(int32_t v);
  static Value Real(double v);
  static Value Boolean(bool v);
  static Value Text(std::u16string_view v);
  static Value Date(DateBlock v);
  static Value Time(int32_t seconds);
  static Value AdoptPicture(FDPicture picture); // takes ownership; null is the empty picture
  // An empty value of a scalar kind (0, "", no picture...); undefined for other kinds.
  static Value Empty(uint8_t kind);
  // A fresh array; nestedKind and nestedCount make an array of arrays.
  static int NewArray(uint8_t kind, int32_t count, Value* out, uint8_t nestedKind = 0,
                      int32_t nestedCount = 0);

  uint8_t Kind() const { return fKind; }
  bool IsUndefined() const { return fKind == kFDUndefined; }
  bool IsNumber() const { return fKind == kFDLongint || fKind == kFDReal; }
  bool IsArray() const;

  int32_t LongValue() const { return fLong; } // long and time
  double RealValue() const { return fKind == kFDLongint ? fLong : fReal; }
  bool BooleanValue() const { return fBool; }
  DateBlock DateValue() const { return fDate; }
  std::u16string_view TextValue() const;
  FDPicture PictureValue() const { return fPicture; }

  // Storage that plug-in commands write in place.
  int32_t* LongCell() { return &fLong; }
  FDStringBlock* TextCell() { return &fText; }
  FDPicture* PictureCell() { return &fPicture; }
  unsigned char* ArrayBlock() const { return fArray.get(); }

  // A deep copy: texts, pictures, handles and arrays are duplicated. Host error.
  int Clone(Value* out) const;
  // Releases what the value owns; it becomes undefined.
  void Reset();
  // Takes `other`'s contents, keeping this value's array storage where both are arrays, so
  // that a plug-in holding the array block's address keeps a valid one.
  void Replace(Value&& other);
  // Hands the array block over (for a plug-in that turned an undefined block into an array).
  static Value AdoptArrayBlock(const unsigned char* block);

  // Value blocks. ToBlock hands out a copy the caller owns (for an array, the array's own
  // block, which the caller must not release). FromBlock copies.
  int ToBlock(ValueBlock* out) const;
  static int FromBlock(const ValueBlock& in, Value* out);

private:
  uint8_t fKind = kFDUndefined;
  int32_t fLong = 0; // long, time
  double fReal = 0;
  bool fBool = false;
  DateBlock fDate{};
  FDStringBlock fText{};
  FDPicture fPicture = nullptr;
  int32_t fBlobSize = 0;
  FDHandle fBlob = nullptr;
  std::unique_ptr<unsigned char[]> fArray;  // kFDArrayBlockSize bytes
  std::unique_ptr<unsigned char[]> fOpaque; // value bytes of kinds kept as they came
};

// 4D's conversions of assignments and parameters. Real to long rounds half away from zero.
int32_t RealToLong(double v);

} // namespace zvhost
