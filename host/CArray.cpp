#include "host/CArray.h"

#include <string.h>

#include "host/FourD.h"
#include "host/HostText.h"

namespace {

template <typename T>
T ReadAt(const void* bytes, size_t offset) {
  T value;
  memcpy(&value, static_cast<const unsigned char*>(bytes) + offset, sizeof value);
  return value;
}

template <typename T>
void WriteAt(void* bytes, size_t offset, const T& value) {
  memcpy(static_cast<unsigned char*>(bytes) + offset, &value, sizeof value);
}

} // namespace

unsigned char CArray::GetType() const {
  return fBlock[kFDArrayKindOffset];
}

bool CArray::IsArray() const {
  return ElementSize() != 0;
}

size_t CArray::ElementSize(unsigned char kind) {
  switch (kind) {
  case kFDArrayOfArrays:
    return kFDArrayBlockSize;
  case kFDArrayReal:
    return sizeof(double);
  case kFDArrayInteger:
    return sizeof(int16_t);
  case kFDArrayLongint:
    return sizeof(int32_t);
  case kFDArrayDate:
    return sizeof(DateBlock);
  case kFDArrayPicture:
    return sizeof(FDPicture);
  case kFDArrayBoolean:
    return 1;
  case kFDArrayText:
    return sizeof(FDStringBlock);
  default:
    return 0;
  }
}

int32_t CArray::GetArraySize() const {
  return IsArray() ? ReadAt<int32_t>(fBlock, kFDArrayCountOffset) : 0;
}

void CArray::SetCount(int32_t count) {
  WriteAt(fBlock, kFDArrayCountOffset, count);
}

FDHandle CArray::GetDataHandle() const {
  return ReadAt<FDHandle>(fBlock, kFDArrayHandleOffset);
}

int16_t CArray::GetCurrentIndex() const {
  return ReadAt<int16_t>(fBlock, kFDArrayCurrentOffset);
}

void* CArray::ComputeAddress(int32_t index) const {
  FDHandle data = GetDataHandle();
  if (index < 0 || index > GetArraySize() || data == nullptr || *data == nullptr) {
    return nullptr;
  }
  return *data + static_cast<size_t>(index) * ElementSize();
}

// Empties what elements first..last hold (nested arrays, pictures, texts) and zeroes them.
void CArray::ReleaseElements(int32_t first, int32_t last) {
  if (IsArrayOfArrays()) {
    SArrayLocker locker(this);
    for (int32_t i = first; i <= last; ++i) {
      auto* nested = static_cast<CArray*>(ComputeAddress(i));
      if (nested == nullptr) {
        continue;
      }
      nested->SetArraySize(0);
      if (nested->GetDataHandle() != nullptr) {
        FourD::DisposeHandle(nested->GetDataHandle());
      }
      memset(nested, 0, sizeof *nested);
    }
  } else if (IsArrayPicture()) {
    for (int32_t i = first; i <= last; ++i) {
      void* element = ComputeAddress(i);
      if (element != nullptr && ReadAt<FDPicture>(element, 0) != nullptr) {
        FourD::DisposeFDPicture(ReadAt<FDPicture>(element, 0));
        WriteAt<FDPicture>(element, 0, nullptr);
      }
    }
  } else if (IsArrayUnicode()) {
    for (int32_t i = first; i <= last; ++i) {
      auto* text = static_cast<FDStringBlock*>(ComputeAddress(i));
      if (text != nullptr && text->fString != nullptr) {
        FourD::DisposeFDStringBlock(text);
      }
    }
  }
}

// New elements of an array of arrays: empty arrays of element 0's kind, each with a handle of one
// zeroed element. Answers -108 when a handle cannot be had.
int32_t CArray::InitNestedArrays(int32_t first, int32_t last) {
  const auto* model = static_cast<const CArray*>(ComputeAddress(0));
  unsigned char kind = model ? model->GetType() : 0;
  size_t size = CArray::ElementSize(kind);
  if (size == 0) {
    return 0;
  }
  for (int32_t i = first; i <= last; ++i) {
    FDHandle data = FourD::NewHandle(static_cast<int32_t>(size));
    if (data == nullptr) {
      return kFDErrNoMemory;
    }
    memset(*data, 0, size);
    // The handle's creation may move this array's own data: look the element up afterwards.
    auto* nested = static_cast<CArray*>(ComputeAddress(i));
    nested->fBlock[kFDArrayKindOffset] = kind;
    WriteAt(nested->fBlock, kFDArrayHandleOffset, data);
  }
  return 0;
}

int32_t CArray::SetArraySize(int32_t size) {
  if (size < 0) {
    return kFDErrBadParameter;
  }
  size_t elementSize = ElementSize();
  int32_t count = GetArraySize();
  if (elementSize == 0 || size == count) {
    return 0;
  }
  size_t bytes = (static_cast<size_t>(size) + 1) * elementSize;
  if (bytes > INT32_MAX) {
    return kFDErrNoMemory;
  }
  auto byteSize = static_cast<int32_t>(bytes);
  if (size < count) {
    ReleaseElements(size + 1, count);
    int16_t error = FourD::SetHandleSize(GetDataHandle(), byteSize);
    if (error != kFDErrNone) {
      return error;
    }
    SetCount(size);
    return 0;
  }
  int16_t error = FourD::SetHandleSize(GetDataHandle(), byteSize);
  if (error != kFDErrNone) {
    return error;
  }
  SetCount(size);
  void* added = ComputeAddress(count + 1);
  if (added != nullptr) {
    memset(added, 0, static_cast<size_t>(size - count) * elementSize);
  }
  if (IsArrayOfArrays() && InitNestedArrays(count + 1, size) != 0) {
    SetArraySize(count); // gives back the nested handles made so far
    return kFDErrNoMemory;
  }
  return 0;
}

void CArray::At(int32_t index, int32_t& value) const {
  value = 0;
  const void* element = ComputeAddress(index);
  if (element == nullptr) {
    return;
  }
  if (IsArrayLongint()) {
    value = ReadAt<int32_t>(element, 0);
  } else if (IsArrayInteger()) {
    value = ReadAt<int16_t>(element, 0);
  }
}

void CArray::AtPut(int32_t index, int32_t value) {
  void* element = ComputeAddress(index);
  if (element == nullptr) {
    return;
  }
  if (IsArrayLongint()) {
    WriteAt(element, 0, value);
  } else if (IsArrayInteger()) {
    WriteAt(element, 0, static_cast<int16_t>(value));
  }
}

void CArray::At(int32_t index, double& value) const {
  const void* element = IsArrayReal() ? ComputeAddress(index) : nullptr;
  value = element ? ReadAt<double>(element, 0) : 0.0;
}

void CArray::AtPut(int32_t index, double value) {
  void* element = IsArrayReal() ? ComputeAddress(index) : nullptr;
  if (element != nullptr) {
    WriteAt(element, 0, value);
  }
}

void CArray::At(int32_t index, FDStringBlock& value) const {
  const void* element = IsArrayUnicode() ? ComputeAddress(index) : nullptr;
  value = element ? ReadAt<FDStringBlock>(element, 0) : FDStringBlock{};
}

int16_t CArray::AtPut(int32_t index, const PA_Unichar* text) {
  auto* element = static_cast<FDStringBlock*>(IsArrayUnicode() ? ComputeAddress(index) : nullptr);
  if (element == nullptr) {
    return kFDErrBadParameter;
  }
  if (element->fString != nullptr) {
    FourD::DisposeFDStringBlock(element);
  }
  *element = FDStringBlock{};
  int32_t length = static_cast<int32_t>(FourD::UniLength(text));
  if (length == 0) {
    return 0;
  }
  int16_t error = FourD::CreateFDString(element);
  if (error == kFDErrNone) {
    error = FourD::SetFDString(element, text, length);
  }
  return error;
}

int32_t CArray::Find(int32_t value) const {
  if (!IsArrayLongint() && !IsArrayInteger()) {
    return -1;
  }
  int32_t count = GetArraySize();
  for (int32_t i = 1; i <= count; ++i) {
    int32_t element = 0;
    At(i, element);
    if (element == value) {
      return i;
    }
  }
  return -1;
}

void CArray::Lock() {
  if (GetDataHandle() != nullptr) {
    FourD::HLock(GetDataHandle());
  }
}

void CArray::Unlock() {
  if (GetDataHandle() != nullptr) {
    FourD::HUnlock(GetDataHandle());
  }
}

signed char CArray::GetState() const {
  return GetDataHandle() != nullptr ? FourD::HGetState(GetDataHandle()) : 0;
}

void CArray::SetState(signed char state) {
  if (GetDataHandle() != nullptr) {
    FourD::HSetState(GetDataHandle(), state);
  }
}

SArrayLocker::SArrayLocker(CArray* array) : fArray(array), fState(0) {
  if (fArray == nullptr) {
    return;
  }
  fState = fArray->GetState();
  fArray->Lock();
}

SArrayLocker::~SArrayLocker() {
  if (fArray != nullptr) {
    fArray->SetState(fState);
  }
}
