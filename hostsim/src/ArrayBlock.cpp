#include "ArrayBlock.h"

#include <cstring>

#include "ObjectStore.h"
#include "Pictures.h"
#include "TextBlocks.h"

namespace zvhost {

int32_t ElementSize(uint8_t kind) {
  switch (kind) {
  case kFDArrayOfArrays:
    return kFDArrayBlockSize;
  case kFDArrayReal:
    return 8;
  case kFDArrayInteger:
    return 2;
  case kFDArrayLongint:
    return 4;
  case kFDArrayDate:
    return 6;
  case kFDArrayPicture:
    return static_cast<int32_t>(sizeof(FDPicture));
  case kFDArrayBoolean:
    return 1;
  case kFDArrayText:
    return static_cast<int32_t>(sizeof(FDStringBlock));
  default:
    return 0;
  }
}

bool IsArrayKind(uint8_t kind) {
  return ElementSize(kind) > 0;
}

int32_t ArrayView::Count() const {
  int32_t count = 0;
  std::memcpy(&count, fBlock + kFDArrayCountOffset, sizeof(count));
  return count;
}

FDHandle ArrayView::Handle() const {
  FDHandle handle = nullptr;
  std::memcpy(&handle, fBlock + kFDArrayHandleOffset, sizeof(handle));
  return handle;
}

int16_t ArrayView::Current() const {
  int16_t current = 0;
  std::memcpy(&current, fBlock + kFDArrayCurrentOffset, sizeof(current));
  return current;
}

void ArrayView::SetCurrent(int16_t index) {
  std::memcpy(fBlock + kFDArrayCurrentOffset, &index, sizeof(index));
}

void ArrayView::SetCount(int32_t count) {
  std::memcpy(fBlock + kFDArrayCountOffset, &count, sizeof(count));
}

void ArrayView::SetHandle(FDHandle handle) {
  std::memcpy(fBlock + kFDArrayHandleOffset, &handle, sizeof(handle));
}

uint8_t ArrayView::NestedKind() const {
  if (Kind() != kFDArrayOfArrays) {
    return 0;
  }
  unsigned char* first = Element(0);
  return first != nullptr && IsArrayKind(first[0]) && first[0] != kFDArrayOfArrays ? first[0] : 0;
}

int32_t ArrayView::UsableCount() const {
  const int32_t size = ElementSize(Kind());
  HandleRec* rec = Objects().FindHandle(Handle());
  if (size == 0 || rec == nullptr) {
    return -1;
  }
  const int32_t held = rec->fSize / size - 1;
  return held < Count() ? held : Count();
}

unsigned char* ArrayView::Element(int32_t i) const {
  if (i < 0 || i > UsableCount()) {
    return nullptr;
  }
  return reinterpret_cast<unsigned char*>(*Handle()) + static_cast<size_t>(i) * ElementSize(Kind());
}

int ArrayView::CreateRaw(uint8_t kind, int32_t count) {
  const int32_t size = ElementSize(kind);
  if (size == 0 || count < 0) {
    return kFDErrBadParameter;
  }
  if (static_cast<int64_t>(count) + 1 > INT32_MAX / size) {
    return kFDErrNoMemory;
  }
  FDHandle handle = nullptr;
  if (int err = Objects().NewHandle((count + 1) * size, &handle)) {
    return err;
  }
  std::memset(fBlock, 0, kFDArrayBlockSize);
  fBlock[kFDArrayKindOffset] = kind;
  SetCount(count);
  SetHandle(handle);
  return kFDErrNone;
}

int ArrayView::Create(uint8_t kind, int32_t count, uint8_t nestedKind, int32_t nestedCount) {
  if (kind == kFDArrayOfArrays && (!IsArrayKind(nestedKind) || nestedKind == kind)) {
    return kFDErrBadParameter;
  }
  if (int err = CreateRaw(kind, count)) {
    return err;
  }
  if (kind != kFDArrayOfArrays) {
    return kFDErrNone;
  }
  // Element 0 carries the nested kind; the others are nested arrays of nestedCount elements.
  for (int32_t i = 0; i <= count; ++i) {
    if (int err = ArrayView(Element(i)).Create(nestedKind, i == 0 ? 0 : nestedCount)) {
      Release();
      return err;
    }
  }
  return kFDErrNone;
}

void ArrayView::ReleaseElements(int32_t first, int32_t last) {
  for (int32_t i = first; i <= last; ++i) {
    unsigned char* element = Element(i);
    if (element == nullptr) {
      return;
    }
    switch (Kind()) {
    case kFDArrayOfArrays:
      if (IsArrayKind(element[0])) {
        ArrayView(element).Release();
      }
      std::memset(element, 0, kFDArrayBlockSize);
      break;
    case kFDArrayPicture: {
      FDPicture picture = nullptr;
      std::memcpy(&picture, element, sizeof(picture));
      DisposePicture(picture);
      std::memset(element, 0, sizeof(picture));
      break;
    }
    case kFDArrayText: {
      FDStringBlock text;
      std::memcpy(&text, element, sizeof(text));
      DisposeTextBlock(&text);
      std::memset(element, 0, sizeof(text));
      break;
    }
    default:
      break;
    }
  }
}

int ArrayView::ClearElements(int32_t first, int32_t last) {
  for (int32_t i = first; i <= last; ++i) {
    unsigned char* element = Element(i);
    std::memset(element, 0, ElementSize(Kind()));
  }
  if (Kind() != kFDArrayOfArrays) {
    return kFDErrNone;
  }
  const uint8_t nested = NestedKind();
  for (int32_t i = first; i <= last; ++i) {
    if (nested != 0) {
      if (int err = ArrayView(Element(i)).Create(nested, 0)) {
        return err;
      }
    }
  }
  return kFDErrNone;
}

int ArrayView::Resize(int32_t count) {
  const int32_t size = ElementSize(Kind());
  HandleRec* rec = Objects().FindHandle(Handle());
  if (size == 0) {
    return kFDErrNone;
  }
  if (rec == nullptr) {
    return kFDErrNilHandle;
  }
  if (count < 0) {
    return kFDErrBadParameter;
  }
  if (static_cast<int64_t>(count) + 1 > INT32_MAX / size) {
    return kFDErrNoMemory;
  }
  const int32_t old = UsableCount();
  if (count < old) {
    ReleaseElements(count + 1, old);
  }
  if (int err = Objects().ResizeHandle(rec, (count + 1) * size)) {
    return err;
  }
  SetCount(count);
  return count > old ? ClearElements(old + 1, count) : kFDErrNone;
}

void ArrayView::Release() {
  if (!IsArrayKind(Kind())) {
    return;
  }
  const int32_t usable = UsableCount();
  if (usable >= 0) {
    ReleaseElements(0, usable);
    Objects().DisposeHandle(Objects().FindHandle(Handle()));
  }
  std::memset(fBlock, 0, kFDArrayBlockSize);
  fBlock[kFDArrayKindOffset] = kFDUndefined;
}

int ArrayView::CopyFrom(const ArrayView& source) {
  const uint8_t kind = source.Kind();
  const int32_t count = source.UsableCount();
  if (count < 0) {
    return kFDErrBadParameter;
  }
  if (int err = CreateRaw(kind, count)) {
    return err;
  }
  SetCurrent(source.Current());
  const int32_t size = ElementSize(kind);
  for (int32_t i = 0; i <= count; ++i) {
    unsigned char* from = source.Element(i);
    unsigned char* to = Element(i);
    int err = kFDErrNone;
    switch (kind) {
    case kFDArrayOfArrays:
      if (IsArrayKind(from[0]) && from[0] != kFDArrayOfArrays) {
        err = ArrayView(to).CopyFrom(ArrayView(from));
      }
      break;
    case kFDArrayPicture: {
      FDPicture picture = nullptr;
      FDPicture copy = nullptr;
      std::memcpy(&picture, from, sizeof(picture));
      if (picture != nullptr) {
        err = DuplicatePicture(picture, &copy);
      }
      std::memcpy(to, &copy, sizeof(copy));
      break;
    }
    case kFDArrayText: {
      FDStringBlock text;
      std::memcpy(&text, from, sizeof(text));
      FDStringBlock copy{};
      if (text.fString != nullptr) {
        const std::u16string_view units = TextOf(text);
        err = SetTextBlock(&copy, reinterpret_cast<const PA_Unichar*>(units.data()),
                           static_cast<int32_t>(units.size()));
      }
      std::memcpy(to, &copy, sizeof(copy));
      break;
    }
    default:
      std::memcpy(to, from, size);
      break;
    }
    if (err != kFDErrNone) {
      Release();
      return err;
    }
  }
  return kFDErrNone;
}

} // namespace zvhost
