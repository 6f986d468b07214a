#include "platform/win/WinPoints.h"

#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "host/FourD.h"
#include "platform/win/ContentView.h"

namespace {

// Global coordinates are its client coordinates. A Windows host's is found when the library is
// attached; the emulator here hands its own out.
HWND ProcessWindow() {
#ifdef _WIN32
  return static_cast<HWND>(FourD::fProcessWindow);
#else
  return GetProcessWindow();
#endif
}

} // namespace

CGPoint WinPoints::GetLocalMouse(HWND window) {
  POINT point{};
  if (GetCursorPos(&point) == 0 || ScreenToClient(window, &point) == 0) {
    return CGPointZero;
  }
  return CGPointMake(static_cast<CGFloat>(point.x), static_cast<CGFloat>(point.y));
}

CGPoint WinPoints::GetGlobalMouse() {
  return GetLocalMouse(ProcessWindow());
}

CGPoint WinPoints::GlobalToLocalPoint(GrafPtr window, CGPoint point) {
  HWND hwnd = static_cast<HWND>(FourD::MacWindowToHWND(window));
  POINT p{static_cast<int32_t>(point.x), static_cast<int32_t>(point.y)};
  if (hwnd == nullptr || ClientToScreen(ProcessWindow(), &p) == 0 ||
      ScreenToClient(hwnd, &p) == 0) {
    return CGPointZero;
  }
  return CGPointMake(static_cast<CGFloat>(p.x), static_cast<CGFloat>(p.y));
}

CGPoint WinPoints::LocalToGlobalPoint(GrafPtr window, CGPoint point) {
  HWND hwnd = static_cast<HWND>(FourD::MacWindowToHWND(window));
  POINT p{static_cast<int32_t>(point.x), static_cast<int32_t>(point.y)};
  if (hwnd == nullptr || ClientToScreen(hwnd, &p) == 0 ||
      ScreenToClient(ProcessWindow(), &p) == 0) {
    return CGPointZero;
  }
  return CGPointMake(static_cast<CGFloat>(p.x), static_cast<CGFloat>(p.y));
}

GrafPtr WinPoints::FindWindowAtGlobalPoint(CGPoint point) {
  GrafPtr window = nullptr;
  const Point where{static_cast<int16_t>(point.y), static_cast<int16_t>(point.x)};
  FindWindo(where, &window);
  return window;
}

namespace {

struct AreaSearch {
  GrafPtr fWindow;
  CGPoint fLocal;
  ZorvinArea* fFound;
};

void MatchArea(CXArea* candidate, void* data) {
  auto* search = static_cast<AreaSearch*>(data);
  auto* area = dynamic_cast<ZorvinArea*>(candidate);
  // A hidden area is no target: what is visible at the point is, or nothing.
  if (search->fFound != nullptr || area == nullptr || area->GetMacWindow() != search->fWindow ||
      !area->OnCurrentPage() || !area->IsAreaVisible()) {
    return;
  }
  if (CGRectContainsPoint(ContentView::GetPortRelativeBounds(area), search->fLocal)) {
    search->fFound = area;
  }
}

} // namespace

ZorvinArea* WinPoints::FindAreaAtGlobalPoint(CGPoint point) {
  GrafPtr window = FindWindowAtGlobalPoint(point);
  if (window == nullptr || gZorvinAreaManager == nullptr) {
    return nullptr;
  }
  AreaSearch search{window, GlobalToLocalPoint(window, point), nullptr};
  gZorvinAreaManager->DoToAllAreas(MatchArea, &search);
  return search.fFound;
}
