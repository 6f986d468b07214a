#include <new>

#include "grid/DragAndDropData.h"
#include "grid/ZorvinArea.h"
#include "host/CArray.h"

namespace {

// Element `index` of a text array, cut to a signature slot.
void ReadSignature(const CArray* array, int32_t index, PA_Unichar* out) {
  FDStringBlock element{};
  array->At(index, element);
  int32_t length = element.fString != nullptr ? element.fLength : 0;
  if (length > kSignatureUnits - 1) {
    length = kSignatureUnits - 1;
  }
  for (int32_t i = 0; i < length; ++i) {
    out[i] = element.fString[i];
  }
  out[length < 0 ? 0 : length] = 0;
}

using SignatureInit = int32_t (DragAndDropData::*)(int32_t);
using SignatureSet = int32_t (DragAndDropData::*)(int32_t, const PA_Unichar*);
using SignatureGet = int32_t (DragAndDropData::*)(int32_t, PA_Unichar*) const;
using SignatureCount = int32_t (DragAndDropData::*)() const;

// The drag and the drop list are set and read the same way; these name one side.
struct SignatureSide {
  void (DragAndDropData::*fClear)();
  SignatureInit fInit;
  SignatureSet fSet;
  SignatureGet fGet;
  SignatureCount fCount;
};

constexpr SignatureSide kDragSide{&DragAndDropData::ClearDrags, &DragAndDropData::InitDrags,
                                  &DragAndDropData::SetDragSign, &DragAndDropData::GetDragSign,
                                  &DragAndDropData::GetNumDrags};
constexpr SignatureSide kDropSide{&DragAndDropData::ClearDrops, &DragAndDropData::InitDrops,
                                  &DragAndDropData::SetDropSign, &DragAndDropData::GetDropSign,
                                  &DragAndDropData::GetNumDrops};

int32_t SetSignatures(DragAndDropData** data, CArray* array, const SignatureSide& side) {
  if (array == nullptr || !array->IsArrayUnicode()) {
    return kFDErrBadParameter;
  }
  const int32_t count = array->GetArraySize();
  if (count == 0) {
    if (*data != nullptr && ((*data)->*side.fCount)() > 0) {
      ((*data)->*side.fClear)();
    }
    return 0;
  }
  if (*data == nullptr) {
    *data = new (std::nothrow) DragAndDropData();
    if (*data == nullptr) {
      return kFDErrNoMemory;
    }
  }
  if (((*data)->*side.fInit)(count) != 0) {
    return kFDErrNoMemory;
  }
  PA_Unichar signature[kSignatureUnits];
  int32_t error = 0;
  for (int32_t i = 1; i <= count && error == 0; ++i) {
    ReadSignature(array, i, signature);
    error = ((*data)->*side.fSet)(i, signature);
  }
  return error;
}

int32_t GetSignatures(const DragAndDropData* data, CArray* array, const SignatureSide& side) {
  if (array == nullptr || !array->IsArrayUnicode()) {
    return kFDErrBadParameter;
  }
  int32_t error = array->SetArraySize(0);
  if (error != 0 || data == nullptr) {
    return error;
  }
  const int32_t count = (data->*side.fCount)();
  error = array->SetArraySize(count);
  PA_Unichar signature[kSignatureUnits];
  for (int32_t i = 1; i <= count && error == 0; ++i) {
    error = (data->*side.fGet)(i, signature);
    if (error == 0) {
      error = array->AtPut(i, signature);
    }
  }
  return error;
}

} // namespace

int32_t ZorvinArea::SetDragOptions(int32_t flags, int32_t caretWidth, int32_t caretColor,
                                   int32_t blinkInterval) {
  if (caretWidth < 0 || blinkInterval < 0) {
    return kFDErrBadParameter;
  }
  fDragFlags = flags;
  fCaretWidth = caretWidth;
  if (caretColor != fCaretColor) {
    CleanupNativeCaretColor();
    fCaretColor = caretColor;
    SetupNativeCaretColor();
  }
  fCaretBlinkInterval = blinkInterval;
  return 0;
}

int32_t ZorvinArea::SetDragSignatures(CArray* signatures) {
  return SetSignatures(&fDragAndDrop, signatures, kDragSide);
}

int32_t ZorvinArea::SetDropSignatures(CArray* signatures) {
  return SetSignatures(&fDragAndDrop, signatures, kDropSide);
}

int32_t ZorvinArea::GetDragSignatures(CArray* signatures) const {
  return GetSignatures(fDragAndDrop, signatures, kDragSide);
}

int32_t ZorvinArea::GetDropSignatures(CArray* signatures) const {
  return GetSignatures(fDragAndDrop, signatures, kDropSide);
}

bool ZorvinArea::SupportsDragEvents() const {
  return fDragAndDrop != nullptr && fDragAndDrop->AcceptsDrags();
}

bool ZorvinArea::CanAcceptDropFrom(int32_t sourceArea, PA_Unichar* signature) const {
  if (signature != nullptr) {
    signature[0] = 0;
  }
  if (gZorvinAreaManager == nullptr || fDragAndDrop == nullptr) {
    return false;
  }
  // The manager makes nothing but grid areas.
  const auto* source = static_cast<ZorvinArea*>(gZorvinAreaManager->IsAnArea(sourceArea));
  if (source == nullptr) {
    return false;
  }
  return fDragAndDrop->AcceptsDropsFrom(source->fDragAndDrop, signature);
}
