// The controls' scroll bars are the window system's own SCROLLBAR child windows.
#include "ControlBars.h"

#include <algorithm>

#include "Forms.h"
#include "RealWindows.h"

namespace zvhost {

namespace {

bool Horizontal(const Rect& r) {
  return r.right - r.left > r.bottom - r.top;
}

} // namespace

HWND CreateControlBar(const Control& control) {
  if (control.owner == nullptr || control.owner->native == nullptr) {
    return nullptr;
  }
  const Rect& r = control.record.contrlRect;
  DWORD style = WS_CHILD | (Horizontal(r) ? SBS_HORZ : SBS_VERT);
  if (control.record.contrlVis != 0) {
    style |= WS_VISIBLE;
  }
  return CreateWindowExW(0, L"SCROLLBAR", nullptr, style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, control.owner->native, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void DestroyControlBar(const Control& control) {
  if (control.native != nullptr) {
    DestroyWindow(control.native);
  }
}

// Positions nMin to nMax - nPage + 1 are the control's minimum to maximum; without a page every
// position up to the maximum is reachable.
void SyncControlBar(const Control& control) {
  if (control.native == nullptr) {
    return;
  }
  const int64_t span = std::max<int64_t>(int64_t{control.maximum} - control.minimum + 1, 0);
  const int64_t page = std::clamp<int64_t>(control.viewSize, 0, span);
  const int64_t last = page > 0 ? int64_t{control.maximum} + page - 1 : int64_t{control.maximum};
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = control.minimum;
  info.nMax = static_cast<int>(std::clamp<int64_t>(last, INT32_MIN, INT32_MAX));
  info.nPage = static_cast<UINT>(page);
  info.nPos = control.value;
  SetScrollInfo(control.native, SB_CTL, &info, TRUE);
}

void PlaceControlBar(const Control& control) {
  if (control.native == nullptr) {
    return;
  }
  const Rect& r = control.record.contrlRect;
  MoveWindow(control.native, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  EnableWindow(control.native, control.record.contrlHilite != 255);
  ShowWindow(control.native, control.record.contrlVis != 0 ? SW_SHOWNA : SW_HIDE);
}

void DrawControlBar(const Control& control) {
  if (control.native != nullptr && control.record.contrlVis != 0) {
    RedrawWindow(control.native, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

// The parts as the real bar lays them out: its arrows, its track and its thumb.
int16_t ControlPartAt(const Control& control, int16_t x, int16_t y) {
  const Rect& r = control.record.contrlRect;
  if (control.native == nullptr || x < r.left || x >= r.right || y < r.top || y >= r.bottom) {
    return 0;
  }
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(control.native, OBJID_CLIENT, &info) ||
      (info.rgstate[0] & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE)) != 0) {
    return 0;
  }
  const bool horizontal = Horizontal(r);
  const int32_t along = horizontal ? x - r.left : y - r.top;
  const int32_t length = horizontal ? r.right - r.left : r.bottom - r.top;
  // The arrows are as long as the bar is thick, shared out when the bar is shorter than both
  // (dxyLineButton is the thumb's length, not an arrow's).
  const int32_t arrow =
      std::min(GetSystemMetrics(horizontal ? SM_CXHSCROLL : SM_CYVSCROLL), length / 2);
  if (along < arrow) {
    return kControlUpButtonPart;
  }
  if (along >= length - arrow) {
    return kControlDownButtonPart;
  }
  if (info.xyThumbBottom <= info.xyThumbTop) {
    return 0;
  }
  if (along < info.xyThumbTop) {
    return kControlPageUpPart;
  }
  if (along < info.xyThumbBottom) {
    return kControlIndicatorPart;
  }
  return kControlPageDownPart;
}

} // namespace zvhost
