// The host's area event codes (EventRecord::what) and the replies written back into the event.
#pragma once

#include <stdint.h>

enum AreaEventCode : uint16_t {
  kAreaIdle = 0,
  kAreaMouseDown = 1,
  kAreaKeyDown = 3,
  kAreaAutoKey = 5,
  kAreaUpdate = 6,
  kAreaInit = 16,
  kAreaDeinit = 17,
  kAreaCursor = 18,
  kAreaMayTakeFocus = 20,
  kAreaFocusGained = 21,
  kAreaFocusLost = 22,
  kAreaScroll = 25,
  kAreaDrawStructure = 26,
  kAreaPrintVariableFrame = 27,
  kAreaPrintSize = 28,
  kAreaPrintBand = 29,
  kAreaUndo = 30,
  kAreaCut = 31,
  kAreaCopy = 32,
  kAreaPaste = 33,
  kAreaClear = 34,
  kAreaSelectAll = 35,
  kAreaScrollWheel = 39,
  kAreaEditMenuStatus = 43,
  kAreaSaveData = 70,
  kAreaPageChange = 71,
  kAreaEndExecutionCycle = 72,
  kAreaMayAcceptDrag = 80,
  kAreaDragOver = 81,
  kAreaDrop = 82,
  kAreaDragBegan = 85,
  kAreaVisibilityChange = 86,
  kAreaAdvancedProperties = 600,
  kAreaDisposeAdvancedProperties = 601,
  kAreaInitExtended = 602,
  kAreaAskAdvancedProperties = 603,
  kAreaAskMenuIcon = 604,
  kAreaDesignInit = 605
};

// `message` of an event the area did not take.
constexpr int32_t kAreaReplyNotTaken = 112;
// `message` once the form editor's placeholder is drawn.
constexpr int32_t kAreaReplyStructureDrawn = 102;
// `modifiers` once an extended init record was read.
constexpr uint16_t kAreaReplyExtendedInit = 1536;
