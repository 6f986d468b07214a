// The database's event handler: set, called with a parameter handle of four value blocks, and
// fed from posted events one per idle.
#include <stdlib.h>
#include <string.h>

#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "host/ValueBlock.h"

namespace {

constexpr uint32_t kDeliverableEvents = 0x12010; // codes 4, 13 and 16
constexpr int32_t kEventParamsSize = 4 * kValueBlockSize;
constexpr size_t kMethodNameUnits = 64;

} // namespace

bool ZorvinArea::IsLive() const {
  return !fClosed && gZorvinAreaManager != nullptr &&
         gZorvinAreaManager->IsAnArea(GetAreaRef()) == this;
}

void ZorvinArea::ReleaseEventParams() {
  if (fEventParams == nullptr)
    return;
  FDHandle params = fEventParams;
  fEventParams = nullptr;
  if (fEventCallDepth == 0) {
    FourD::DisposeHandle(params);
    return;
  }
  // A running call still hands these blocks to the host, which writes the result into them.
  try {
    fRetiredEventParams.push_back(params);
  } catch (...) {
    // Rather leaked than freed under the host.
  }
}

int32_t ZorvinArea::SetEventHandler(const PA_Unichar* name, uint32_t mask) {
  if (name == nullptr || name[0] == 0) {
    fEventMethodName[0] = 0;
    fEventMethodID = 0;
    fEventMask = 0;
    ReleaseEventParams();
    return 0;
  }
  const int32_t method = FourD::GetMethodID(name);
  if ((mask & kDeliverableEvents) == 0 || method == 0)
    return -50;
  size_t length = 0;
  while (length < kMethodNameUnits - 1 && name[length] != 0) {
    fEventMethodName[length] = name[length];
    ++length;
  }
  fEventMethodName[length] = 0;
  fEventMethodID = method;
  fEventMask = mask;
  ReleaseEventParams();
  fEventParams = FourD::NewHandle(kEventParamsSize);
  if (fEventParams == nullptr)
    return -108;
  memset(*fEventParams, 0, kEventParamsSize);
  return 0;
}

const PA_Unichar* ZorvinArea::GetEventHandler(uint32_t* mask) const {
  if (mask != nullptr)
    *mask = fEventMask;
  return fEventMethodName;
}

int32_t ZorvinArea::CallEventHandler(int32_t code, int32_t cell) {
  if (fEventMethodID <= 0 || fEventParams == nullptr)
    return -50;
  if ((fEventMask & (1u << (static_cast<uint32_t>(code) % 32))) == 0)
    return 0;
  FDHandle params = fEventParams;
  FourD::HLock(params);
  auto* blocks = reinterpret_cast<ValueBlock*>(*params);
  ClearValueBlock(&blocks[0], kFDUndefined);
  SetValueLong(&blocks[1], GetAreaRef());
  SetValueLong(&blocks[2], code);
  SetValueLong(&blocks[3], cell);
  // The method may replace the handler (its handle then waits for this call to end) or close
  // the window (the manager keeps this object until the area's own event returns).
  ++fEventCallDepth;
  int32_t error = FourD::CallMethodID(fEventMethodID, 3, blocks);
  --fEventCallDepth;
  if (error == 0) {
    int32_t ignored = 0;
    error = Value2Long(&blocks[0], &ignored);
  }
  FreeValueBlock(&blocks[0]);
  FourD::HUnlock(params);
  if (fEventCallDepth == 0) {
    for (FDHandle retired : fRetiredEventParams)
      FourD::DisposeHandle(retired);
    fRetiredEventParams.clear();
  }
  return error;
}

void ZorvinArea::PostCellEvent(int32_t code, int32_t cell) {
  if (fPendingEvents == nullptr)
    return;
  auto* event = static_cast<ZorvinCellEvent*>(malloc(sizeof(ZorvinCellEvent)));
  if (event == nullptr)
    return;
  event->fCode = code;
  event->fCell = cell;
  if (add_to_end(fPendingEvents, event) != 0)
    free(event);
}

bool ZorvinArea::DeliverPostedEvent() {
  // An area that is closed hears nothing more; its events go with it.
  if (fPendingEvents == nullptr || !IsLive())
    return false;
  auto* event = static_cast<ZorvinCellEvent*>(remove_from_beginning(fPendingEvents));
  if (event == nullptr)
    return false;
  const ZorvinCellEvent posted = *event;
  free(event);
  CallEventHandler(posted.fCode, posted.fCell);
  return true;
}
