#include "RealWindows.h"

#include <objidl.h>

#include <gdiplus.h>

#include <string>

namespace zvhost {

namespace {

LRESULT CALLBACK ProcessProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// What the host windows show is what was drawn on them: the window system never erases nor
// paints them on its own.
LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    ValidateRect(window, nullptr);
    return 0;
  case WM_CLOSE:
    PostMessageW(window, kHostCloseRequest, 0, 0);
    return 0;
  case WM_NCHITTEST: {
    // The emulator places its windows: a caption does not move them.
    const LRESULT hit = DefWindowProcW(window, message, wParam, lParam);
    return hit == HTCAPTION ? HTBORDER : hit;
  }
  case WM_SYSCOMMAND:
    if ((wParam & 0xFFF0) == SC_MOVE || (wParam & 0xFFF0) == SC_SIZE) {
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  case WM_SETCURSOR:
    // The cursor in the window is the one the plug-in last set, not the class's.
    if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
      return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace

HWND ProcessWindow() {
  static HWND process = [] {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    path[length] = 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProcessProcedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = path;
    RegisterClassA(&wc);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND window = CreateWindowExA(0, path, "zorvi-host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, width,
                                  height, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
  }();
  return process;
}

const wchar_t* HostWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = HostProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"ZorviHostWindow";
    RegisterClassW(&wc);
    return wc.lpszClassName;
  }();
  return name;
}

bool EnsureGdiplus() {
  static const bool started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return started;
}

std::wstring WideText(const char* utf8) {
  const int count = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (count <= 0) {
    return std::wstring();
  }
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), count);
  wide.resize(static_cast<size_t>(count - 1));
  return wide;
}

} // namespace zvhost
