#include "Value.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "ArrayBlock.h"
#include "ObjectStore.h"
#include "Pictures.h"
#include "TextBlocks.h"

namespace zvhost {

namespace {

constexpr size_t kValueBytes = size_t{kValueBlockSize} - size_t{kValueBlockValueOffset};

template <typename T>
void Put(ValueBlock* block, const T& v, size_t offset = kValueBlockValueOffset) {
  std::memcpy(block->fBytes + offset, &v, sizeof(T));
}

template <typename T>
T Get(const ValueBlock& block, size_t offset = kValueBlockValueOffset) {
  T v;
  std::memcpy(&v, block.fBytes + offset, sizeof(T));
  return v;
}

int CopyHandle(FDHandle source, FDHandle* out) {
  *out = nullptr;
  HandleRec* rec = Objects().FindHandle(source);
  if (rec == nullptr) {
    return source == nullptr ? kFDErrNone : kFDErrBadParameter;
  }
  if (int err = Objects().NewHandle(rec->fSize, out)) {
    return err;
  }
  std::memcpy(**out, rec->fData, static_cast<size_t>(rec->fSize));
  return kFDErrNone;
}

} // namespace

int32_t RealToLong(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  const double r = std::round(v);
  if (r >= 2147483647.0) {
    return INT32_MAX;
  }
  if (r <= -2147483648.0) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(r);
}

Value::~Value() {
  Reset();
}

Value::Value(Value&& other) noexcept {
  *this = std::move(other);
}

Value& Value::operator=(Value&& other) noexcept {
  if (this != &other) {
    Reset();
    fKind = std::exchange(other.fKind, kFDUndefined);
    fLong = other.fLong;
    fReal = other.fReal;
    fBool = other.fBool;
    fDate = other.fDate;
    fText = std::exchange(other.fText, FDStringBlock{});
    fPicture = std::exchange(other.fPicture, nullptr);
    fBlobSize = std::exchange(other.fBlobSize, 0);
    fBlob = std::exchange(other.fBlob, nullptr);
    fArray = std::move(other.fArray);
    fOpaque = std::move(other.fOpaque);
  }
  return *this;
}

Value Value::Long(int32_t v) {
  Value value;
  value.fKind = kFDLongint;
  value.fLong = v;
  return value;
}

Value Value::Real(double v) {
  Value value;
  value.fKind = kFDReal;
  value.fReal = v;
  return value;
}

Value Value::Boolean(bool v) {
  Value value;
  value.fKind = kFDBoolean;
  value.fBool = v;
  return value;
}

Value Value::Text(std::u16string_view v) {
  Value value;
  value.fKind = kFDText;
  if (!v.empty()) {
    value.fText.fString = Objects().NewText(reinterpret_cast<const PA_Unichar*>(v.data()),
                                            static_cast<int32_t>(v.size()));
    value.fText.fLength = static_cast<int32_t>(v.size());
  }
  return value;
}

Value Value::Date(DateBlock v) {
  Value value;
  value.fKind = kFDDate;
  value.fDate = v;
  return value;
}

Value Value::Time(int32_t seconds) {
  Value value;
  value.fKind = kFDTime;
  value.fLong = seconds;
  return value;
}

Value Value::AdoptPicture(FDPicture picture) {
  Value value;
  value.fKind = kFDPicture;
  value.fPicture = picture;
  return value;
}

Value Value::Empty(uint8_t kind) {
  switch (kind) {
  case kFDReal:
    return Real(0);
  case kFDLongint:
    return Long(0);
  case kFDBoolean:
    return Boolean(false);
  case kFDText:
    return Text(u"");
  case kFDDate:
    return Date({});
  case kFDTime:
    return Time(0);
  case kFDPicture:
    return AdoptPicture(nullptr);
  case kFDBlob: {
    Value value;
    value.fKind = kFDBlob;
    return value;
  }
  default:
    return Value();
  }
}

int Value::NewArray(uint8_t kind, int32_t count, Value* out, uint8_t nestedKind,
                    int32_t nestedCount) {
  Value value;
  value.fArray = std::make_unique<unsigned char[]>(kFDArrayBlockSize);
  if (int err = ArrayView(value.fArray.get()).Create(kind, count, nestedKind, nestedCount)) {
    return err;
  }
  value.fKind = kind;
  *out = std::move(value);
  return kFDErrNone;
}

bool Value::IsArray() const {
  return IsArrayKind(fKind);
}

std::u16string_view Value::TextValue() const {
  return fKind == kFDText ? TextOf(fText) : std::u16string_view();
}

void Value::Reset() {
  DisposeTextBlock(&fText);
  DisposePicture(fPicture);
  fPicture = nullptr;
  if (HandleRec* rec = Objects().FindHandle(fBlob)) {
    Objects().DisposeHandle(rec);
  }
  fBlob = nullptr;
  fBlobSize = 0;
  if (fArray) {
    // The array block may have been turned into anything by a plug-in; Release checks.
    ArrayView(fArray.get()).Release();
  }
  fOpaque.reset();
  fKind = kFDUndefined;
  fLong = 0;
  fReal = 0;
  fBool = false;
  fDate = {};
}

void Value::Replace(Value&& other) {
  if (this == &other) {
    return;
  }
  if (fArray && other.fArray) {
    ArrayView(fArray.get()).Release();
    std::memcpy(fArray.get(), other.fArray.get(), kFDArrayBlockSize);
    std::unique_ptr<unsigned char[]> keep = std::move(fArray);
    other.fArray.reset();
    const uint8_t kind = other.fKind;
    other.fKind = kFDUndefined;
    Reset();
    fArray = std::move(keep);
    fKind = kind;
    return;
  }
  *this = std::move(other);
}

Value Value::AdoptArrayBlock(const unsigned char* block) {
  Value value;
  value.fArray = std::make_unique<unsigned char[]>(kFDArrayBlockSize);
  std::memcpy(value.fArray.get(), block, kFDArrayBlockSize);
  value.fKind = block[kFDArrayKindOffset];
  return value;
}

int Value::Clone(Value* out) const {
  Value copy;
  copy.fKind = fKind;
  copy.fLong = fLong;
  copy.fReal = fReal;
  copy.fBool = fBool;
  copy.fDate = fDate;
  if (fKind == kFDText) {
    copy = Text(TextValue());
  } else if (fKind == kFDPicture && fPicture != nullptr) {
    if (int err = DuplicatePicture(fPicture, &copy.fPicture)) {
      return err;
    }
  } else if (fKind == kFDBlob) {
    if (int err = CopyHandle(fBlob, &copy.fBlob)) {
      return err;
    }
    copy.fBlobSize = fBlobSize;
  } else if (IsArray()) {
    copy.fArray = std::make_unique<unsigned char[]>(kFDArrayBlockSize);
    if (int err = ArrayView(copy.fArray.get()).CopyFrom(ArrayView(fArray.get()))) {
      copy.fArray.reset();
      return err;
    }
  } else if (fOpaque) {
    copy.fOpaque = std::make_unique<unsigned char[]>(kValueBytes);
    std::memcpy(copy.fOpaque.get(), fOpaque.get(), kValueBytes);
  }
  *out = std::move(copy);
  return kFDErrNone;
}

int Value::ToBlock(ValueBlock* out) const {
  std::memset(out, 0, sizeof(*out));
  out->fBytes[0] = fKind;
  switch (fKind) {
  case kFDReal:
    Put(out, fReal);
    return kFDErrNone;
  case kFDLongint:
  case kFDTime:
    Put(out, fLong);
    return kFDErrNone;
  case kFDBoolean:
    out->fBytes[kValueBlockValueOffset] = fBool ? 1 : 0;
    return kFDErrNone;
  case kFDDate:
    Put(out, fDate);
    return kFDErrNone;
  case kFDText: {
    FDStringBlock copy{};
    const std::u16string_view text = TextValue();
    if (int err = SetTextBlock(&copy, reinterpret_cast<const PA_Unichar*>(text.data()),
                               static_cast<int32_t>(text.size()))) {
      return err;
    }
    Put(out, copy);
    return kFDErrNone;
  }
  case kFDPicture: {
    FDPicture copy = nullptr;
    if (fPicture != nullptr) {
      if (int err = DuplicatePicture(fPicture, &copy)) {
        return err;
      }
    }
    Put(out, copy);
    return kFDErrNone;
  }
  case kFDBlob: {
    FDHandle copy = nullptr;
    if (int err = CopyHandle(fBlob, &copy)) {
      return err;
    }
    Put(out, fBlobSize);
    Put(out, copy, kValueBlockValueOffset + 4);
    return kFDErrNone;
  }
  case kFDUndefined:
    return kFDErrNone;
  default:
    if (IsArray()) {
      std::memcpy(out->fBytes, fArray.get(), kFDArrayBlockSize);
    } else if (fOpaque) {
      std::memcpy(out->fBytes + kValueBlockValueOffset, fOpaque.get(), kValueBytes);
    }
    return kFDErrNone;
  }
}

int Value::FromBlock(const ValueBlock& in, Value* out) {
  const uint8_t kind = in.fBytes[0];
  Value value;
  switch (kind) {
  case kFDReal:
    value = Real(Get<double>(in));
    break;
  case kFDLongint:
    value = Long(Get<int32_t>(in));
    break;
  case kFDTime:
    value = Time(Get<int32_t>(in));
    break;
  case kFDBoolean:
    value = Boolean(in.fBytes[kValueBlockValueOffset] != 0);
    break;
  case kFDDate:
    value = Date(Get<DateBlock>(in));
    break;
  case kFDText: {
    const auto block = Get<FDStringBlock>(in);
    if (block.fString != nullptr && !Objects().IsText(block.fString)) {
      return kFDErrBadParameter;
    }
    value = Text(TextOf(block));
    break;
  }
  case kFDPicture: {
    const auto picture = Get<FDPicture>(in);
    FDPicture copy = nullptr;
    if (picture != nullptr) {
      if (int err = DuplicatePicture(picture, &copy)) {
        return err;
      }
    }
    value = AdoptPicture(copy);
    break;
  }
  case kFDBlob: {
    FDHandle copy = nullptr;
    if (int err = CopyHandle(Get<FDHandle>(in, kValueBlockValueOffset + 4), &copy)) {
      return err;
    }
    value.fKind = kFDBlob;
    value.fBlob = copy;
    value.fBlobSize = copy != nullptr ? Objects().FindHandle(copy)->fSize : 0;
    break;
  }
  case kFDUndefined:
    break;
  default:
    if (IsArrayKind(kind)) {
      Value source;
      source.fKind = kind;
      source.fArray = std::make_unique<unsigned char[]>(kFDArrayBlockSize);
      std::memcpy(source.fArray.get(), in.fBytes, kFDArrayBlockSize);
      const int err = source.Clone(&value);
      // The source block is the caller's: never release it here.
      source.fArray.reset();
      source.fKind = kFDUndefined;
      if (err != kFDErrNone) {
        return err;
      }
    } else {
      value.fKind = kind;
      value.fOpaque = std::make_unique<unsigned char[]>(kValueBytes);
      std::memcpy(value.fOpaque.get(), in.fBytes + kValueBlockValueOffset, kValueBytes);
    }
    break;
  }
  *out = std::move(value);
  return kFDErrNone;
}

} // namespace zvhost
