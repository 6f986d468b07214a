#include "ArrayElements.h"

#include <algorithm>
#include <cstring>

#include "Pictures.h"
#include "TextBlocks.h"

namespace zvhost {

namespace {

template <typename T>
T Load(const unsigned char* at) {
  T v;
  std::memcpy(&v, at, sizeof(T));
  return v;
}

template <typename T>
void Store(unsigned char* at, const T& v) {
  std::memcpy(at, &v, sizeof(T));
}

} // namespace

bool ElementValue(const ArrayView& array, int32_t index, Value* out, std::string* error) {
  const unsigned char* at = array.Element(index);
  if (at == nullptr) {
    *error = "no element " + std::to_string(index);
    return false;
  }
  switch (array.Kind()) {
  case kFDArrayReal:
    *out = Value::Real(Load<double>(at));
    return true;
  case kFDArrayInteger:
    *out = Value::Long(Load<int16_t>(at));
    return true;
  case kFDArrayLongint:
    *out = Value::Long(Load<int32_t>(at));
    return true;
  case kFDArrayDate:
    *out = Value::Date(Load<DateBlock>(at));
    return true;
  case kFDArrayBoolean:
    *out = Value::Boolean(*at != 0);
    return true;
  case kFDArrayText:
    *out = Value::Text(TextOf(Load<FDStringBlock>(at)));
    return true;
  case kFDArrayPicture: {
    FDPicture copy = nullptr;
    const auto picture = Load<FDPicture>(at);
    if (picture != nullptr && DuplicatePicture(picture, &copy) != kFDErrNone) {
      *error = "element " + std::to_string(index) + " holds no valid picture";
      return false;
    }
    *out = Value::AdoptPicture(copy);
    return true;
  }
  default:
    *error = "a row of a two-dimensional array is not a value";
    return false;
  }
}

bool StoreElement(ArrayView& array, int32_t index, const Value& value, std::string* error) {
  unsigned char* at = array.Element(index);
  if (at == nullptr) {
    *error = "no element " + std::to_string(index);
    return false;
  }
  const uint8_t kind = array.Kind();
  const bool numeric = kind == kFDArrayReal || kind == kFDArrayInteger || kind == kFDArrayLongint;
  if (numeric && value.IsNumber()) {
    if (kind == kFDArrayReal) {
      Store(at, value.RealValue());
    } else if (kind == kFDArrayLongint) {
      Store(at, RealToLong(value.RealValue()));
    } else {
      Store(at, static_cast<int16_t>(std::clamp(RealToLong(value.RealValue()), -32768, 32767)));
    }
    return true;
  }
  if (kind == kFDArrayDate && value.Kind() == kFDDate) {
    Store(at, value.DateValue());
    return true;
  }
  if (kind == kFDArrayBoolean && value.Kind() == kFDBoolean) {
    *at = value.BooleanValue() ? 1 : 0;
    return true;
  }
  if (kind == kFDArrayText && value.Kind() == kFDText) {
    auto block = Load<FDStringBlock>(at);
    const std::u16string_view text = value.TextValue();
    if (int err = SetTextBlock(&block, reinterpret_cast<const PA_Unichar*>(text.data()),
                               static_cast<int32_t>(text.size()))) {
      *error = "cannot store text (error " + std::to_string(err) + ")";
      return false;
    }
    Store(at, block);
    return true;
  }
  if (kind == kFDArrayPicture && value.Kind() == kFDPicture) {
    FDPicture copy = nullptr;
    if (value.PictureValue() != nullptr && DuplicatePicture(value.PictureValue(), &copy) != 0) {
      *error = "cannot store the picture";
      return false;
    }
    DisposePicture(Load<FDPicture>(at));
    Store(at, copy);
    return true;
  }
  *error = "wrong kind of value for this array";
  return false;
}

} // namespace zvhost
