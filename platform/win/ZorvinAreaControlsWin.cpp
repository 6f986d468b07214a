#include "platform/win/ZorvinAreaControlsWin.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "platform/win/ContentView.h"
#include "platform/win/WindowSurface.h"

namespace {

const WCHAR* PropName(const char16_t* name) {
  static_assert(sizeof(WCHAR) == sizeof(char16_t));
  return reinterpret_cast<const WCHAR*>(name);
}

const WCHAR* const kMacScrollBarProp = PropName(u"ZorviMacScrollBar");
const WCHAR* const kLiveScrollProcProp = PropName(u"ZorviLiveScrollProc");
const WCHAR* const kInstallCountProp = PropName(u"ZorviScrollProcInstallCount");
const WCHAR* const kOldScrollProcProp = PropName(u"ZorviOldScrollProc");

const unsigned char kControlTitle[] = "\x0A"
                                      "KelControl";

using LiveScrollProc = void (*)(ControlHandle, uint32_t, WPARAM);

ZorvinArea* AreaOfControl(ControlHandle control) {
  if (control == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<ZorvinArea*>(GetControlReference(control));
}

} // namespace

ControlHandle ZorvinAreaControlsWin::CreateScrollbar(GrafPtr window, ZorvinArea* area) {
  const Rect empty{0, 0, 0, 0};
  ControlHandle control = NewControl(window, &empty, kControlTitle, 0, 0, 0, 0, kScrollBarProc, 0);
  if (control != nullptr) {
    SetControlReference(control, reinterpret_cast<intptr_t>(area));
  }
  return control;
}

int32_t ZorvinAreaControlsWin::GetScrollbarSize() {
  static int32_t sSize = 0;
  if (sSize == 0) {
    sSize = GetSystemMetrics(SM_CXVSCROLL);
    if (sSize == 0) {
      sSize = 16;
    }
  }
  return sSize;
}

void ZorvinAreaControlsWin::TagOneLiveScrollbar(ControlHandle control) {
  if (control == nullptr) {
    return;
  }
  HWND bar = ASI_ControlToHWND(control);
  if (bar == nullptr) {
    return;
  }
  if (GetPropW(bar, kMacScrollBarProp) == nullptr) {
    SetPropW(bar, kMacScrollBarProp, control);
  }
  if (GetPropW(bar, kLiveScrollProcProp) == nullptr) {
    SetPropW(bar, kLiveScrollProcProp, reinterpret_cast<void*>(&LiveScroll));
  }
}

void ZorvinAreaControlsWin::UntagOneLiveScrollbar(ControlHandle control) {
  if (control == nullptr) {
    return;
  }
  HWND bar = ASI_ControlToHWND(control);
  if (bar == nullptr) {
    return;
  }
  if (GetPropW(bar, kMacScrollBarProp) != nullptr) {
    RemovePropW(bar, kMacScrollBarProp);
  }
  if (GetPropW(bar, kLiveScrollProcProp) != nullptr) {
    RemovePropW(bar, kLiveScrollProcProp);
  }
}

bool ZorvinAreaControlsWin::IsScrollbarTagged(ControlHandle control) {
  if (control == nullptr) {
    return false;
  }
  HWND bar = ASI_ControlToHWND(control);
  return bar != nullptr && GetPropW(bar, kMacScrollBarProp) != nullptr;
}

void ZorvinAreaControlsWin::TagLiveScrollbars(ZorvinArea* area) {
  TagOneLiveScrollbar(area->GetVertScrollBar());
  TagOneLiveScrollbar(area->GetHorzScrollBar());
}

void ZorvinAreaControlsWin::UntagLiveScrollbars(ZorvinArea* area) {
  UntagOneLiveScrollbar(area->GetVertScrollBar());
  UntagOneLiveScrollbar(area->GetHorzScrollBar());
}

void ZorvinAreaControlsWin::InstallLiveScrollWndProc(ZorvinArea* area) {
  HWND window = static_cast<HWND>(area->GetHWND());
  if (area->IsLiveScrollInstalled() || !IsWindow(window)) {
    return;
  }
  const auto count = reinterpret_cast<intptr_t>(GetPropW(window, kInstallCountProp));
  if (count == 0) {
    SetPropW(window, kOldScrollProcProp,
             reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&WndScrollProc));
  }
  SetPropW(window, kInstallCountProp, reinterpret_cast<void*>(count + 1));
  area->SetLiveScrollInstalled(true);
}

void ZorvinAreaControlsWin::RemoveLiveScrollWndProc(ZorvinArea* area) {
  // Only areas that counted themselves in take themselves out: an area that never installed
  // (being printed, or whose window was gone) must not restore the procedure under the others.
  HWND window = static_cast<HWND>(area->GetHWND());
  if (!area->IsLiveScrollInstalled() || !IsWindow(window)) {
    return;
  }
  area->SetLiveScrollInstalled(false);
  const auto count = reinterpret_cast<intptr_t>(GetPropW(window, kInstallCountProp));
  if (count <= 0) {
    return;
  }
  if (count == 1) {
    SetWindowLongPtrA(window, GWLP_WNDPROC,
                      reinterpret_cast<intptr_t>(GetPropW(window, kOldScrollProcProp)));
    RemovePropW(window, kOldScrollProcProp);
  }
  SetPropW(window, kInstallCountProp, reinterpret_cast<void*>(count - 1));
}

LRESULT CALLBACK ZorvinAreaControlsWin::WndScrollProc(HWND window, uint32_t message, WPARAM wParam,
                                                      LPARAM lParam) {
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    HWND bar = reinterpret_cast<HWND>(lParam);
    auto control = static_cast<ControlHandle>(GetPropW(bar, kMacScrollBarProp));
    auto live = reinterpret_cast<LiveScrollProc>(GetPropW(bar, kLiveScrollProcProp));
    if (control != nullptr && live != nullptr && (wParam & 0xFFFF) == SB_THUMBTRACK &&
        GetParent(bar) == window) {
      live(control, message, wParam);
    }
  }
  auto old = reinterpret_cast<WNDPROC>(GetPropW(window, kOldScrollProcProp));
  if (old != nullptr) {
    return CallWindowProcA(old, window, message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ZorvinAreaControlsWin::LiveScroll(ControlHandle control, uint32_t /*message*/, WPARAM wParam) {
  HWND bar = ASI_ControlToHWND(control);
  ZorvinArea* area = AreaOfControl(control);
  if (bar == nullptr || area == nullptr) {
    return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_TRACKPOS;
  if (GetScrollInfo(bar, SB_CTL, &info) == 0) {
    return;
  }
  const int64_t span = info.nPage < 2 ? int64_t{info.nMax} - info.nMin
                                      : int64_t{info.nMax} - info.nPage - info.nMin + 1;
  if (span < 1) {
    return;
  }
  // The message's word holds only 16 bits of the position; the track position, when it agrees
  // with them, holds all 32.
  const auto word = static_cast<int32_t>((wParam >> 16) & 0xFFFF);
  const int32_t position = (info.nTrackPos & 0xFFFF) == word ? info.nTrackPos : word;
  const double minimum = GetControl32BitMinimum(control);
  const double maximum = GetControl32BitMaximum(control);
  const double mapped =
      std::trunc(minimum + (maximum - minimum) * (position - info.nMin) / double(span) + 0.5);
  const int32_t old = GetControl32BitValue(control);
  SetControl32BitValue(control, static_cast<int32_t>(mapped));
  SynchControlHWND(control);
  const int32_t value = GetControl32BitValue(control);
  if (value == old) {
    return;
  }
  area->ScrollToBarValue(control, value);
  const std::unique_ptr<WindowSurface> window = ContentView::WindowGraphics(area);
  if (window == nullptr) {
    return;
  }
  const gfx::GraphicsState state = window->GetGraphics()->Save();
  ContentView::Draw(area, window->GetGraphics());
  window->GetGraphics()->Restore(state);
}

void ZorvinAreaControlsWin::SynchControlHWND(ControlHandle control) {
  HWND bar = control != nullptr ? ASI_ControlToHWND(control) : nullptr;
  if (bar == nullptr) {
    return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (GetScrollInfo(bar, SB_CTL, &info) == 0 || info.nPage <= 1) {
    return;
  }
  SCROLLINFO lowered = info;
  lowered.fMask = SIF_RANGE;
  lowered.nMax = static_cast<int32_t>(info.nMax - (info.nPage - 1));
  SetScrollInfo(bar, SB_CTL, &lowered, 0);
  info.fMask = SIF_ALL;
  SetScrollInfo(bar, SB_CTL, &info, 1);
}

void ZorvinAreaControlsWin::DrawScrollbar(ControlHandle control) {
  if (control == nullptr || *control == nullptr || (*control)->contrlVis == 0) {
    return;
  }
  Draw1Control(control);
  GrafPtr current = nullptr;
  GetPort(&current);
  GrafPtr owner = (*control)->contrlOwner;
  if (current != nullptr && owner != current) {
    const Rect r = (*control)->contrlRect;
    CopyBits(owner, current, &r, &r, 0, nullptr);
  }
}

int16_t ZorvinAreaControlsWin::HandleControlClick(ZorvinArea* /*area*/, ControlHandle control,
                                                  int16_t part, Point where) {
  if (part == 0) {
    return 0;
  }
  if (part == kControlIndicatorPart) {
    return TrackLiveControl(control, where);
  }
  return TrackControl(control, where, &ScrollActionProc);
}

int16_t ZorvinAreaControlsWin::TrackLiveControl(ControlHandle /*control*/, Point /*where*/) {
  // The native bar follows the thumb itself; the subclassed window procedure scrolls live.
  return kControlIndicatorPart;
}

void ZorvinAreaControlsWin::ScrollActionProc(ControlHandle control, int16_t part) {
  ZorvinArea* area = AreaOfControl(control);
  if (area == nullptr) {
    return;
  }
  const bool vertical = control == area->GetVertScrollBar();
  if (area->GetScrollsByCell()) {
    area->AlignScrollToCell();
  }
  const int32_t line = area->GetLineStep(vertical);
  const int32_t page = area->GetPageStep(vertical);
  int64_t value = area->BarPosition(control);
  switch (part) {
  case kControlUpButtonPart:
    value -= line;
    break;
  case kControlDownButtonPart:
    value += line;
    break;
  case kControlPageUpPart:
    value -= page;
    break;
  case kControlPageDownPart:
    value += page;
    break;
  default:
    break;
  }
  area->ScrollBarTo(control, value);
  ContentView::DrawDirect(area);
}
