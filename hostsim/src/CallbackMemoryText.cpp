// Memory handles and text blocks.
#include "Callback.h"
#include "ObjectStore.h"
#include "TextBlocks.h"
#include "Utf.h"

namespace zvhost::callback {

void Memory(FDEngineBlock& b) {
  ObjectStore& objects = Objects();
  if (b.fParam1 == kFDMemNew) {
    b.fError = static_cast<int16_t>(objects.NewHandle(b.fParam2, &b.fHandle));
    return;
  }
  if (b.fHandle == nullptr) {
    b.fError = kFDErrNilHandle;
    return;
  }
  HandleRec* rec = objects.FindHandle(b.fHandle);
  if (rec == nullptr) {
    b.fError = kFDErrBadParameter;
    return;
  }
  switch (b.fParam1) {
  case kFDMemDispose:
    objects.DisposeHandle(rec);
    b.fHandle = nullptr;
    break;
  case kFDMemSetSize:
    b.fError = static_cast<int16_t>(objects.ResizeHandle(rec, b.fParam2));
    break;
  case kFDMemGetSize:
    b.fParam2 = rec->fSize;
    break;
  case kFDMemLock:
    rec->fState |= kFDMemLockedState;
    break;
  case kFDMemUnlock:
    rec->fState &= static_cast<uint8_t>(~kFDMemLockedState);
    break;
  case kFDMemGetState:
    b.fParam2 = rec->fState;
    break;
  case kFDMemSetState:
    rec->fState = static_cast<uint8_t>(b.fParam2);
    break;
  default:
    b.fError = kFDErrBadParameter;
    break;
  }
}

void CreateFDString(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(CreateTextBlock(static_cast<FDStringBlock*>(b.fPtr1)));
}

void SetFDString(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(SetTextBlock(static_cast<FDStringBlock*>(b.fPtr1),
                                               static_cast<const PA_Unichar*>(b.fPtr2), b.fParam1));
}

void DisposeFDString(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(DisposeTextBlock(static_cast<FDStringBlock*>(b.fPtr1)));
}

void SetEmptyFDString(FDEngineBlock& b) {
  b.fError = static_cast<int16_t>(SetEmptyTextBlock(static_cast<FDStringBlock*>(b.fPtr1)));
}

void CompareUniStrings(FDEngineBlock& b) {
  if (b.fParam1 < 0 || b.fParam2 < 0 || (b.fParam1 > 0 && b.fPtr1 == nullptr) ||
      (b.fParam2 > 0 && b.fPtr2 == nullptr)) {
    b.fError = kFDErrBadParameter;
    return;
  }
  b.fParam4 =
      CompareTexts(UnitsView(static_cast<const PA_Unichar*>(b.fPtr1), b.fParam1),
                   UnitsView(static_cast<const PA_Unichar*>(b.fPtr2), b.fParam2), b.fParam3);
}

} // namespace zvhost::callback
