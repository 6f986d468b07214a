// Scroll info of the native scroll-bar windows, by the window system's rules: an inverted or
// too wide range becomes 0 to 0, the page is held within the range and the position within
// nMin to nMax - nPage + 1.
#include "NativeWindows.h"

namespace {

using zvhost::native::NativeWindow;

NativeWindow* ScrollBar(HWND window, int32_t bar, uint32_t cbSize) {
  NativeWindow* native = zvhost::native::Find(window);
  const bool sized = cbSize == sizeof(SCROLLINFO) || cbSize == sizeof(SCROLLINFO) - sizeof(int32_t);
  if (native == nullptr || native->kind != zvhost::native::Kind::ScrollBar || bar != SB_CTL ||
      !sized) {
    return nullptr;
  }
  return native;
}

} // namespace

extern "C" {

int32_t GetScrollInfo(HWND window, int32_t bar, SCROLLINFO* info) {
  if (info == nullptr) {
    return 0;
  }
  const NativeWindow* native = ScrollBar(window, bar, info->cbSize);
  if (native == nullptr || (info->fMask & SIF_ALL) == 0) {
    return 0;
  }
  const zvhost::native::ScrollState& s = native->scroll;
  if (info->fMask & SIF_RANGE) {
    info->nMin = s.min;
    info->nMax = s.max;
  }
  if (info->fMask & SIF_PAGE) {
    info->nPage = s.page;
  }
  if (info->fMask & SIF_POS) {
    info->nPos = s.pos;
  }
  if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO)) {
    info->nTrackPos = s.tracking ? s.trackPos : s.pos;
  }
  return 1;
}

int32_t SetScrollInfo(HWND window, int32_t bar, const SCROLLINFO* info, int32_t /*redraw*/) {
  if (info == nullptr) {
    return 0;
  }
  NativeWindow* native = ScrollBar(window, bar, info->cbSize);
  if (native == nullptr) {
    return 0;
  }
  zvhost::native::ScrollState& s = native->scroll;
  if (info->fMask & SIF_PAGE) {
    s.page = info->nPage;
  }
  if (info->fMask & SIF_POS) {
    s.pos = info->nPos;
  }
  if (info->fMask & SIF_RANGE) {
    const int64_t width = int64_t{info->nMax} - info->nMin;
    if (width < 0 || width >= 0x80000000LL) {
      s.min = 0;
      s.max = 0;
    } else {
      s.min = info->nMin;
      s.max = info->nMax;
    }
  }
  const int64_t whole = int64_t{s.max} - s.min + 1;
  if (int64_t{s.page} > whole) {
    s.page = static_cast<uint32_t>(whole);
  }
  const int64_t last = int64_t{s.max} - (s.page > 0 ? int64_t{s.page} - 1 : 0);
  if (s.pos < s.min) {
    s.pos = s.min;
  } else if (s.pos > last) {
    s.pos = static_cast<int32_t>(last);
  }
  return s.pos;
}

} // extern "C"
