#include "grid/DragAndDropData.h"

#include <stdlib.h>

#include "host/FourD.h"
#include "host/HostText.h"

namespace {

void CopySignature(PA_Unichar* out, const PA_Unichar* text) {
  FourD::UniCopy(text, out, kSignatureUnits);
}

} // namespace

DragAndDropData::~DragAndDropData() {
  ClearDrags();
  ClearDrops();
}

void DragAndDropData::Clear(PA_Unichar** block, int32_t* count) {
  free(*block);
  *block = nullptr;
  *count = 0;
}

int32_t DragAndDropData::Init(PA_Unichar** block, int32_t* count, int32_t n) {
  Clear(block, count);
  if (n <= 0) {
    return 0;
  }
  *block =
      static_cast<PA_Unichar*>(calloc(static_cast<size_t>(n), kSignatureUnits * sizeof **block));
  if (*block == nullptr) {
    return kFDErrNoMemory;
  }
  *count = n;
  return 0;
}

int32_t DragAndDropData::Set(PA_Unichar* block, int32_t count, int32_t index,
                             const PA_Unichar* text) {
  if (block == nullptr || index < 1 || index > count) {
    return kFDErrBadParameter;
  }
  CopySignature(block + static_cast<size_t>(index - 1) * kSignatureUnits, text);
  return 0;
}

int32_t DragAndDropData::Get(const PA_Unichar* block, int32_t count, int32_t index,
                             PA_Unichar* out) {
  out[0] = 0;
  if (block == nullptr) {
    return kFDErrBadParameter;
  }
  if (index < 1 || index > count) {
    return kErrSignatureIndex;
  }
  CopySignature(out, block + static_cast<size_t>(index - 1) * kSignatureUnits);
  return 0;
}

int32_t DragAndDropData::SetDragSign(int32_t index, const PA_Unichar* text) {
  return Set(fDrags, fNumDrags, index, text);
}

int32_t DragAndDropData::SetDropSign(int32_t index, const PA_Unichar* text) {
  return Set(fDrops, fNumDrops, index, text);
}

int32_t DragAndDropData::GetDragSign(int32_t index, PA_Unichar* out) const {
  return Get(fDrags, fNumDrags, index, out);
}

int32_t DragAndDropData::GetDropSign(int32_t index, PA_Unichar* out) const {
  return Get(fDrops, fNumDrops, index, out);
}

bool DragAndDropData::AcceptsDropsFrom(const DragAndDropData* source, PA_Unichar* signature) const {
  if (signature != nullptr) {
    signature[0] = 0;
  }
  if (source == nullptr || fDrops == nullptr || source->fDrags == nullptr) {
    return false;
  }
  for (int32_t i = 0; i < fNumDrops; ++i) {
    const PA_Unichar* drop = fDrops + static_cast<size_t>(i) * kSignatureUnits;
    for (int32_t j = 0; j < source->fNumDrags; ++j) {
      const PA_Unichar* drag = source->fDrags + static_cast<size_t>(j) * kSignatureUnits;
      if (FourD::CompareUniStrings(drop, static_cast<int32_t>(FourD::UniLength(drop)), drag,
                                   static_cast<int32_t>(FourD::UniLength(drag)), 0) == 0) {
        if (signature != nullptr) {
          CopySignature(signature, drop);
        }
        return true;
      }
    }
  }
  return false;
}
