// The area event switch: one virtual operation per host event, the reply written back.
#include <cstring>

#include "area/AreaEvents.h"
#include "area/CXArea.h"
#include "gfx/Graphics.h"
#include "host/FourD.h"

namespace {

constexpr int32_t kFocusableReply = 101;
constexpr int32_t kPrintsVariableFrameReply = 104;
constexpr uint16_t kEndCycleRedrawReply = 1;
constexpr intptr_t kUpdateWithData = 2;

void ReplyNotTaken(EventRecord* event) {
  event->message = kAreaReplyNotTaken;
}

CGPoint WhereOf(const EventRecord* event) {
  return CGPointMake(event->where.h, event->where.v);
}

} // namespace

void CXArea::HandleEvent(EventRecord* event, Rect* rect) {
  if (event == nullptr) {
    return;
  }
  if (!fInitialized) {
    EnterFirstEvent(rect);
  }

  switch (event->what) {
  case kAreaIdle:
    DoIdle();
    break;
  case kAreaMouseDown: {
    bool handled = DoMouseDown(event);
    fLastClickWhere = event->where;
    fLastClickWhen = static_cast<int32_t>(event->when);
    // Taking focus by a click must not wait for the host's next cycle to learn the rectangle.
    if (IsFocusable()) {
      DidEndExecutionCycle(&fAreaRect);
    }
    if (!handled) {
      ReplyNotTaken(event);
    }
    break;
  }
  case kAreaKeyDown:
  case kAreaAutoKey:
    HandleKey(event);
    break;
  case kAreaUpdate:
    HandleUpdate(event);
    break;
  case kAreaCursor:
    DoCursor(&event->where);
    break;
  case kAreaMayTakeFocus:
    event->message = IsFocusable() ? kFocusableReply : 0;
    break;
  case kAreaFocusGained:
  case kAreaFocusLost: {
    fFocused = event->what == kAreaFocusGained;
    if (fFocused) {
      DidReceiveFocus();
    } else {
      DidLooseFocus();
    }
    event->message = 0;
    CGRect bounds = GetBounds();
    DoInvalAreaSubRectImmediately(
        CGRectMake(-3, -3, bounds.size.width + 6, bounds.size.height + 6));
    break;
  }
  case kAreaScroll:
  case kAreaPrintBand:
    break;
  case kAreaPrintVariableFrame:
    HandleDataFromField();
    event->message = PrintVariableFrame() ? kPrintsVariableFrameReply : 0;
    break;
  case kAreaPrintSize:
    event->message = GetPrintSize();
    break;
  case kAreaUndo:
    DoUndo();
    break;
  case kAreaCut:
    DoCut();
    break;
  case kAreaCopy:
    DoCopy();
    break;
  case kAreaPaste:
    DoPaste();
    break;
  case kAreaClear:
    DoClear();
    break;
  case kAreaSelectAll:
    DoSelectAll();
    break;
  case kAreaScrollWheel: {
    auto delta = static_cast<int16_t>(event->message & 0xFFFF);
    if (!DoScrollWheelEvent(event->where, delta, event->modifiers)) {
      ReplyNotTaken(event);
    }
    break;
  }
  case kAreaEditMenuStatus:
    HandleEditMenuStatus();
    break;
  case kAreaSaveData:
    HandleDataToField();
    break;
  case kAreaPageChange:
    ChangeVisibility(event->where.v == 1);
    if (fParams.fPage != 0) {
      fOnCurrentPage = event->when == fParams.fPage;
      if (fOnCurrentPage) {
        DoSwitchPageIn();
      } else {
        DoSwitchPageOut();
      }
    }
    break;
  case kAreaEndExecutionCycle:
    if (DidEndExecutionCycle(rect)) {
      event->modifiers = kEndCycleRedrawReply;
    }
    break;
  case kAreaMayAcceptDrag:
    event->modifiers = CanAcceptDrag(reinterpret_cast<FDDragAndDropInfo*>(event->message)) ? 0 : 1;
    break;
  case kAreaDragOver:
    HandleDragOver(event);
    break;
  case kAreaDrop:
    DoDrop(reinterpret_cast<FDDragAndDropInfo*>(event->message));
    break;
  case kAreaDragBegan:
    DidBeginDrag(WhereOf(event), reinterpret_cast<void*>(event->message));
    break;
  case kAreaVisibilityChange:
    ChangeVisibility(event->where.v == 1);
    break;
  default:
    ReplyNotTaken(event);
    break;
  }
}

void CXArea::EnterFirstEvent(Rect* rect) {
  fInitialized = true;
  // The standalone test is made here too, since PostInitArea14 only records it afterwards.
  fOnCurrentPage = InExternalWindow() || IsStandaloneZone() || fParams.fPage <= 1;
  PostInitArea14(rect);
  HandleDataFromField();
  if (fOnCurrentPage) {
    DoSwitchPageIn();
  } else {
    DoSwitchPageOut();
  }
}

void CXArea::ChangeVisibility(bool visible) {
  if (visible == fVisible) {
    return;
  }
  fVisible = visible;
  if (visible) {
    DidBecomeVisible();
  } else {
    DidBecomeInvisible();
  }
}

void CXArea::HandleKey(EventRecord* event) {
  int32_t keyCode = 0;
  int32_t charCode = 0;
  bool handled = false;
  if (FourD::GetAreaKeyEventInfo(&keyCode, &charCode) == kFDErrNone) {
    if ((keyCode == 0 || keyCode == -1) && (event->modifiers & kFDCommandKeyMask) != 0) {
      charCode = static_cast<int32_t>(event->message & 0xFF);
    }
    if (keyCode != 0 || charCode != 0) {
      handled = DoKey(static_cast<uint16_t>(charCode), keyCode, event->modifiers);
    }
  }
  if (handled && IsFocusable()) {
    DidEndExecutionCycle(&fAreaRect);
  }
  if (!handled) {
    ReplyNotTaken(event);
  }
}

void CXArea::HandleUpdate(EventRecord* event) {
  if (!fVisible || !fOnCurrentPage) {
    return;
  }
  if (event->when == kUpdateWithData) {
    HandleDataFromField();
  }
  const auto* dc = reinterpret_cast<const FDDeviceContext*>(event->message);
  if (dc == nullptr) {
    return;
  }
  gfx::Graphics graphics(dc);
  if (graphics.GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  gfx::GraphicsState state = graphics.Save();
  if (IsPrinting()) {
    DoPrint(&graphics);
  } else {
    DoDraw(&graphics);
    if (fFocused) {
      DrawFocusFrame(&graphics);
    }
  }
  graphics.Restore(state);
}

void CXArea::HandleDragOver(EventRecord* event) {
  auto* info = reinterpret_cast<FDDragAndDropInfo*>(event->message);
  if (info == nullptr) {
    event->modifiers = 0;
    ReplyNotTaken(event);
    return;
  }
  Rect dragRect;
  std::memcpy(&dragRect, info, sizeof dragRect);
  CGRect rect = CGRectMake(dragRect.left, dragRect.top, dragRect.right - dragRect.left,
                           dragRect.bottom - dragRect.top);
  int32_t result = 0;
  DoDragOver(info, WhereOf(event), rect, &result);
  if (result == -1) {
    event->modifiers = 0;
  } else if (result == 0) {
    event->modifiers = 0;
    ReplyNotTaken(event);
  }
}

void CXArea::HandleEditMenuStatus() {
  unsigned char flags[7] = {};
  GetEditMenuStatus(&flags[0], &flags[1], &flags[2], &flags[3], &flags[4], &flags[5], &flags[6]);
  // The host takes the seven answers as one word, the first answer in the lowest bit.
  int32_t items = 0;
  for (int i = 0; i < 7; ++i) {
    if (flags[i] != 0) {
      items |= 1 << i;
    }
  }
  FourD::UpdateEditMenu(items);
}
