// The emulator's windows are real and show what is drawn on them as it is drawn: presenting only
// lets the bars paint what they owe, and a tip is a small window of its own over the host window.
#include "../LivePresent.h"

#include <algorithm>
#include <string>

#include "../../Forms.h"
#include "../../windows/RealWindows.h"
#include "../LiveSession.h"

namespace zvhost::live {

namespace {

constexpr int32_t kPointerGapX = 12; // below and right of the arrow's tip, clear of the arrow
constexpr int32_t kPointerGapY = 20;
constexpr int32_t kPadding = 4;

LRESULT CALLBACK TipProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetClientRect(window, &box);
  FillRect(dc, &box, GetSysColorBrush(COLOR_INFOBK));
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  InflateRect(&box, -kPadding, -kPadding);
  DrawTextW(dc, text, -1, &box, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(window, &paint);
  return 0;
}

HWND TipWindow() {
  static HWND tip = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TipProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"ZorviHostTip";
    RegisterClassW(&wc);
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName,
                           L"", WS_POPUP | WS_BORDER, 0, 0, 1, 1, ProcessWindow(), nullptr,
                           wc.hInstance, nullptr);
  }();
  return tip;
}

// The tip on screen.
Tip& TipShown() {
  static Tip shown;
  return shown;
}

SIZE TipSize(HWND tip, const std::wstring& text) {
  HDC dc = GetDC(tip);
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(tip, dc);
  // The border lies outside the client area the text is drawn in.
  const int32_t border = 2 * GetSystemMetrics(SM_CXBORDER);
  return SIZE{measured.right + 2 * kPadding + border, measured.bottom + 2 * kPadding + border};
}

void HideTipWindow() {
  TipShown() = Tip{};
  ShowWindow(TipWindow(), SW_HIDE);
}

// Near the pointer, moved in so that it stays inside the host window.
void ShowTip(const Tip& tip) {
  if (tip == TipShown()) {
    return;
  }
  const std::shared_ptr<Window> window = Windows().Find(tip.window);
  if (!window || tip.text.empty()) {
    HideTipWindow();
    return;
  }
  TipShown() = tip;
  HWND popup = TipWindow();
  const std::wstring text(tip.text.begin(), tip.text.end());
  SetWindowTextW(popup, text.c_str());
  const SIZE size = TipSize(popup, text);
  const int32_t width = window->frame.right - window->frame.left;
  const int32_t height = window->frame.bottom - window->frame.top;
  POINT corner{
      window->frame.left + std::max(0, std::min<int32_t>(tip.x + kPointerGapX, width - size.cx)),
      window->frame.top + std::max(0, std::min<int32_t>(tip.y + kPointerGapY, height - size.cy))};
  ClientToScreen(ProcessWindow(), &corner);
  SetWindowPos(popup, HWND_TOPMOST, corner.x, corner.y, size.cx, size.cy,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

} // namespace

// Headless runs paint the bars too: what the windows show is what a snapshot reads.
void PresentWindows(bool /*now*/) {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
  if (Display() != nullptr) {
    ShowTip(ShownTip());
  }
}

void ForgetPresented(int32_t number) {
  if (TipShown().window != 0 && (number == 0 || TipShown().window == number)) {
    HideTipWindow();
  }
}

void ShowArrowCursor() {
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

} // namespace zvhost::live
