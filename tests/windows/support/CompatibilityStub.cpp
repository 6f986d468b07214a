// Test-only stand-in for the host's compatibility library, so that the Windows test program can
// load with the plug-in's objects linked in. Only what the tests touch does anything: a control
// is a real SCROLLBAR child of the window its owner names (here the owner is that HWND itself).
#define ZVHOST_API
#include "sdk/HostPlatform.h"

#include <map>
#include <memory>

namespace {

struct StubControl {
  ControlRecord fRecord{};
  ControlRecord* fMaster = &fRecord;
  HWND fBar = nullptr;
  intptr_t fReference = 0;
  int32_t fValue = 0;
  int32_t fMinimum = 0;
  int32_t fMaximum = 0;
  int32_t fViewSize = 0;
};

std::map<ControlHandle, std::unique_ptr<StubControl>>& Controls() {
  static std::map<ControlHandle, std::unique_ptr<StubControl>> controls;
  return controls;
}

StubControl* Find(ControlHandle control) {
  const auto found = Controls().find(control);
  return found != Controls().end() ? found->second.get() : nullptr;
}

GrafPtr gPort = nullptr;

} // namespace

extern "C" {

ControlHandle NewControl(GrafPtr window, const Rect* bounds, const unsigned char*, uint8_t visible,
                         int16_t value, int16_t minimum, int16_t maximum, int16_t,
                         intptr_t reference) {
  auto parent = static_cast<HWND>(window);
  if (!IsWindow(parent) || bounds == nullptr) {
    return nullptr;
  }
  auto control = std::make_unique<StubControl>();
  const bool horizontal = bounds->right - bounds->left > bounds->bottom - bounds->top;
  control->fBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | (horizontal ? SBS_HORZ : SBS_VERT),
                                  bounds->left, bounds->top, bounds->right - bounds->left,
                                  bounds->bottom - bounds->top, parent, nullptr, nullptr, nullptr);
  control->fRecord = ControlRecord{window, *bounds, uint8_t(visible ? 255 : 0), 0};
  control->fReference = reference;
  control->fValue = value;
  control->fMinimum = minimum;
  control->fMaximum = maximum;
  ControlHandle handle = &control->fMaster;
  Controls()[handle] = std::move(control);
  return handle;
}

void DisposeControl(ControlHandle control) {
  if (StubControl* found = Find(control)) {
    DestroyWindow(found->fBar);
    Controls().erase(control);
  }
}

void SetControlReference(ControlHandle control, intptr_t reference) {
  if (StubControl* found = Find(control)) {
    found->fReference = reference;
  }
}

intptr_t GetControlReference(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fReference : 0;
}

HWND ASI_ControlToHWND(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fBar : nullptr;
}

int32_t GetControl32BitValue(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fValue : 0;
}

void SetControl32BitValue(ControlHandle control, int32_t value) {
  if (StubControl* found = Find(control)) {
    found->fValue = value < found->fMinimum   ? found->fMinimum
                    : value > found->fMaximum ? found->fMaximum
                                              : value;
  }
}

int32_t GetControl32BitMinimum(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fMinimum : 0;
}

void SetControl32BitMinimum(ControlHandle control, int32_t minimum) {
  if (StubControl* found = Find(control)) {
    found->fMinimum = minimum;
  }
}

int32_t GetControl32BitMaximum(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fMaximum : 0;
}

void SetControl32BitMaximum(ControlHandle control, int32_t maximum) {
  if (StubControl* found = Find(control)) {
    found->fMaximum = maximum;
  }
}

int32_t GetControlViewSize(ControlHandle control) {
  const StubControl* found = Find(control);
  return found != nullptr ? found->fViewSize : 0;
}

void SetControlViewSize(ControlHandle control, int32_t viewSize) {
  if (StubControl* found = Find(control)) {
    found->fViewSize = viewSize;
  }
}

void HideControl(ControlHandle) {}
void ShowControl(ControlHandle) {}
void SizeControl(ControlHandle, int16_t, int16_t) {}
void MoveControl(ControlHandle, int16_t, int16_t) {}
void HiliteControl(ControlHandle, int16_t) {}
void Draw1Control(ControlHandle) {}

int16_t TrackControl(ControlHandle, Point, ControlActionProcPtr) {
  return 0;
}

int16_t FindControl(Point, GrafPtr, ControlHandle* which) {
  if (which != nullptr) {
    *which = nullptr;
  }
  return 0;
}

int16_t FindWindo(Point, GrafPtr* window) {
  if (window != nullptr) {
    *window = nullptr;
  }
  return 0;
}

uint8_t StillDown(void) {
  return 0;
}

uint8_t Button(void) {
  return 0;
}

void GetMouse(Point* where) {
  if (where != nullptr) {
    *where = Point{0, 0};
  }
}

void GetPort(GrafPtr* port) {
  if (port != nullptr) {
    *port = gPort;
  }
}

void SetPort(GrafPtr port) {
  gPort = port;
}

void CopyBits(GrafPtr, GrafPtr, const Rect*, const Rect*, int16_t, const void*) {}

void GetKeys(KeyMap keys) {
  for (int i = 0; i < 16; ++i) {
    keys[i] = 0;
  }
}

uint32_t TickCount(void) {
  return uint32_t(uint64_t(GetTickCount()) * 60 / 1000);
}

uint32_t GetDblTime(void) {
  return 30;
}

} // extern "C"
