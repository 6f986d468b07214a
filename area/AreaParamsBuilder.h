// The setup record of a new area, from the host's init event.
#pragma once

#include "area/CXArea.h"

// Byte offsets in the host's extended init record (event 602). The window, port and window
// handle are the host's 32-bit values there.
enum AreaInitRecordOffset {
  // The four carried host values are two 16-bit then two 8-bit fields; each goes to the
  // setup-record field of its width.
  kInitHostValue1 = 2,
  kInitHostValue4 = 4,
  kInitHostValue2 = 6,
  kInitHostValue3 = 7,
  kInitForeColor = 8,
  kInitBackColor = 12,
  kInitHostValue5 = 16,
  kInitHostValue6 = 20,
  kInitFormKind = 24,
  kInitPrinting = 25,
  kInitPage = 26,
  kInitTable = 28,
  kInitDraggable = 34,
  kInitDroppable = 35,
  kInitWindow = 38,
  kInitPort = 42,
  kInitWindowHandle = 46,
  kInitHostValue7 = 50,
  kInitRecordSize = 54
};

// The defaults of a plain init event (16).
void BuildAreaParams(const EventRecord& event, const PA_Unichar* areaName,
                     const PA_Unichar* objectName, AreaParams* params);
// Fills the window, its handle and port that the init event left unset, from the host's record
// of the area whose private word is `areaRefCell`.
void FillAreaWindow(int32_t* areaRefCell, AreaParams* params);
// From the extended init record that `event.message` points to (602); false when there is none.
bool BuildAreaParamsExtended(const EventRecord& event, const PA_Unichar* areaName,
                             const PA_Unichar* objectName, AreaParams* params);
