// Host windows as real windows: each a child of the process window at its frame, drawing going
// to the device context it owns, its record kept apart from its handle as the real host keeps it.
#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>

#include "HostState.h"
#include "RealWindows.h"
#include "Surface.h"
#include "Utf.h"
#include "WindowSystem.h"
#include "live/LiveSession.h"

namespace zvhost {

namespace {

// Records are never freed, so that a stale window pointer reads as a closed window.
unsigned char* NewRecord() {
  static std::deque<std::unique_ptr<unsigned char[]>> records;
  records.push_back(std::make_unique<unsigned char[]>(kWindowRecordSize));
  unsigned char* record = records.back().get();
  std::memset(record, 0, kWindowRecordSize);
  // Open windows have a control list, even an empty one.
  const uint32_t open = 1;
  std::memcpy(record + kWindowRecordControlListOffset, &open, sizeof open);
  return record;
}

HDC DeviceContext(const Window& window) {
  return reinterpret_cast<HDC>(window.context);
}

// The part of [from, from + count) and [to, to + count) that lies in [0, fromLimit) and
// [0, toLimit) alike: the offset into both and the length, 0 when none.
void Overlap(int32_t from, int32_t to, int32_t count, int32_t fromLimit, int32_t toLimit,
             int32_t* offset, int32_t* length) {
  const int32_t first = std::max({0, -from, -to});
  const int32_t last = std::min({count, fromLimit - from, toLimit - to});
  *offset = first;
  *length = std::max(0, last - first);
}

} // namespace

Window::~Window() {
  if (native != nullptr) {
    DestroyWindow(native);
  }
}

bool CreateSurface(Window& window) {
  const int32_t width = window.frame.right - window.frame.left;
  const int32_t height = window.frame.bottom - window.frame.top;
  const std::wstring title = WideText(Utf16ToUtf8(window.title).c_str());
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  RECT outer{window.frame.left, window.frame.top, window.frame.right, window.frame.bottom};
  if (live::Display() != nullptr) {
    // A person sees the window's title and closes it by its box; the frame stays its client
    // area, the coordinates everything else uses.
    style |= WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&outer, style, FALSE, 0);
  }
  window.native = CreateWindowExW(0, HostWindowClass(), title.c_str(), style, outer.left, outer.top,
                                  outer.right - outer.left, outer.bottom - outer.top,
                                  ProcessWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window.native == nullptr) {
    return false;
  }
  // The newest window lies over the others.
  SetWindowPos(window.native, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  window.context = reinterpret_cast<FDDeviceContext*>(GetDC(window.native));
  window.record = NewRecord();
  EraseSurfaceRect(window, Rect{0, 0, static_cast<int16_t>(height), static_cast<int16_t>(width)});
  return true;
}

// The window disappears at once; the real window goes with the last use of its device context.
void DestroySurface(Window& window) {
  if (window.record != nullptr) {
    std::memset(window.record, 0, kWindowRecordSize);
  }
  if (window.native != nullptr) {
    ShowWindow(window.native, SW_HIDE);
  }
}

FDDeviceContext* SurfaceContext(Window& window) {
  return window.context;
}

void EraseSurfaceRect(Window& window, const Rect& rect) {
  HDC dc = DeviceContext(window);
  if (dc == nullptr) {
    return;
  }
  // Whatever clip or transform the plug-in left on the context does not apply to the form.
  const int saved = SaveDC(dc);
  SelectClipRgn(dc, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RestoreDC(dc, saved);
  GdiFlush();
}

void CopySurfacePixels(const Window& from, Window& to, const Rect& fromRect, const Rect& toRect) {
  const int32_t width = std::min(fromRect.right - fromRect.left, toRect.right - toRect.left);
  const int32_t height = std::min(fromRect.bottom - fromRect.top, toRect.bottom - toRect.top);
  int32_t x = 0;
  int32_t columns = 0;
  int32_t y = 0;
  int32_t rows = 0;
  Overlap(fromRect.left, toRect.left, width, SurfaceWidth(from), SurfaceWidth(to), &x, &columns);
  Overlap(fromRect.top, toRect.top, height, SurfaceHeight(from), SurfaceHeight(to), &y, &rows);
  if (columns == 0 || rows == 0) {
    return;
  }
  BitBlt(DeviceContext(to), toRect.left + x, toRect.top + y, columns, rows, DeviceContext(from),
         fromRect.left + x, fromRect.top + y, SRCCOPY);
  GdiFlush();
}

HWND NativeHandleOf(const void* hostPointer) {
  const Window* window = Windows().FromPointer(hostPointer);
  return window != nullptr ? window->native : nullptr;
}

Window* WindowOfNativeHandle(const void* handle) {
  if (handle == nullptr) {
    return nullptr;
  }
  for (const auto& window : Windows().All()) {
    if (window->native == handle) {
      return window.get();
    }
  }
  return nullptr;
}

int32_t SurfaceWidth(const Window& window) {
  return window.frame.right - window.frame.left;
}

int32_t SurfaceHeight(const Window& window) {
  return window.frame.bottom - window.frame.top;
}

// The real pointer goes where the emulator's mouse is, so that what the plug-in asks the window
// system (GetCursorPos) agrees with what the host's calls answer.
void MoveMouseTo(int32_t x, int32_t y) {
  State().fMouseX = x;
  State().fMouseY = y;
  POINT point{x, y};
  ClientToScreen(ProcessWindow(), &point);
  SetCursorPos(point.x, point.y);
}

namespace {

BOOL CALLBACK DropProperty(HWND window, LPWSTR name, HANDLE /*data*/, ULONG_PTR /*context*/) {
  RemovePropW(window, name);
  return TRUE;
}

} // namespace

void ResetWindowSystem() {
  static const LONG_PTR original = GetWindowLongPtrW(ProcessWindow(), GWLP_WNDPROC);
  SetWindowLongPtrW(ProcessWindow(), GWLP_WNDPROC, original);
  EnumPropsExW(ProcessWindow(), DropProperty, 0);
}

} // namespace zvhost
