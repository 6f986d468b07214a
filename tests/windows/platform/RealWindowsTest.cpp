// The platform classes on the real window system: the live-scroll procedure subclassing a real
// window for several areas, thumb tracking from a real scroll bar, cursors made from PNG pixels,
// and the host's process window found by the program's path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ZorvinArea.h"
#include "host/windows/ProcessWindow.h"
#include "platform/win/NativeCursors.h"
#include "platform/win/WinImages.h"
#include "platform/win/ZorvinAreaControlsWin.h"
#include "zvhost/Host.h"

namespace {

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window of a class of its own name, destroyed with the object.
class RealWindow {
public:
  explicit RealWindow(const std::string& className) : fClassName(className) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &PlainProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = fClassName.c_str();
    RegisterClassA(&windowClass);
    fWindow = CreateWindowExA(0, fClassName.c_str(), "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~RealWindow() {
    DestroyWindow(fWindow);
    UnregisterClassA(fClassName.c_str(), GetModuleHandleA(nullptr));
  }
  HWND Get() const { return fWindow; }

private:
  std::string fClassName;
  HWND fWindow = nullptr;
};

// A window of the emulator, the host's compatibility library, closed with the object.
class HostWindow {
public:
  HostWindow() {
    zvhost::ResetHost();
    zvhost::RunCode("w:=Open window(0; 0; 400; 300)");
    fRecord = zvhost::HostWindow(1);
    FDEngineBlock block{};
    block.fPtr1 = fRecord;
    zvhost::CallBackEntry()(kFDMacWindowToHWND, &block);
    fWindow = static_cast<HWND>(block.fPtr2);
  }
  ~HostWindow() { zvhost::ResetHost(); }
  HWND Get() const { return fWindow; }
  GrafPtr Record() const { return fRecord; }

private:
  GrafPtr fRecord = nullptr;
  HWND fWindow = nullptr;
};

// An area in a given window, as the host would have set it up.
class AreaInWindow : public ZorvinArea {
public:
  // No host window record: the area reads none.
  explicit AreaInWindow(HWND window) { fParams.fWindowHandle = window; }
};

WNDPROC ProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

const WCHAR* Name(const char16_t* name) {
  return reinterpret_cast<const WCHAR*>(name);
}

} // namespace

TEST(RealWindows, TheLiveScrollProcedureStaysUntilTheLastAreaOfTheWindowGoes) {
  RealWindow window("ZorviTestAreasWindow");
  ASSERT_NE(nullptr, window.Get());
  const WNDPROC original = ProcedureOf(window.Get());
  const auto replacement = reinterpret_cast<WNDPROC>(&ZorvinAreaControlsWin::WndScrollProc);
  {
    AreaInWindow first(window.Get());
    AreaInWindow second(window.Get());
    ZorvinAreaControlsWin::InstallLiveScrollWndProc(&first);
    ZorvinAreaControlsWin::InstallLiveScrollWndProc(&second);
    ZorvinAreaControlsWin::InstallLiveScrollWndProc(&second); // counted once per area
    EXPECT_EQ(replacement, ProcedureOf(window.Get()));
    EXPECT_EQ(reinterpret_cast<HANDLE>(2),
              GetPropW(window.Get(), Name(u"ZorviScrollProcInstallCount")));
    EXPECT_EQ(reinterpret_cast<HANDLE>(original),
              GetPropW(window.Get(), Name(u"ZorviOldScrollProc")));
    // Messages still reach the procedure that was there.
    SetWindowTextA(window.Get(), "still answered");
    char title[32] = {};
    GetWindowTextA(window.Get(), title, sizeof title);
    EXPECT_STREQ("still answered", title);

    ZorvinAreaControlsWin::RemoveLiveScrollWndProc(&first);
    EXPECT_EQ(replacement, ProcedureOf(window.Get()));
    ZorvinAreaControlsWin::RemoveLiveScrollWndProc(&second);
    EXPECT_EQ(original, ProcedureOf(window.Get()));
    EXPECT_EQ(nullptr, GetPropW(window.Get(), Name(u"ZorviOldScrollProc")));
    // An area that never installed takes nothing out as it goes.
    AreaInWindow printing(window.Get());
    ZorvinAreaControlsWin::InstallLiveScrollWndProc(&first);
    ZorvinAreaControlsWin::RemoveLiveScrollWndProc(&printing);
    EXPECT_EQ(replacement, ProcedureOf(window.Get()));
  } // the areas close: the last one that installed puts the procedure back
  EXPECT_EQ(original, ProcedureOf(window.Get()));
}

namespace {

struct Tracked {
  ControlHandle fControl = nullptr;
  UINT fMessage = 0;
  WPARAM fWParam = 0;
  int fCalls = 0;
};
Tracked gTracked;

void RecordLiveScroll(ControlHandle control, uint32_t message, WPARAM wParam) {
  gTracked = Tracked{control, message, wParam, gTracked.fCalls + 1};
}

} // namespace

TEST(RealWindows, ThumbTrackingFromARealScrollBarReachesTheLiveScrollEntry) {
  // A host window: its record names it to the compatibility calls, its native window to Win32.
  HostWindow window;
  AreaInWindow area(window.Get());
  ControlHandle control = ZorvinAreaControlsWin::CreateScrollbar(window.Record(), &area);
  ASSERT_NE(nullptr, control);
  HWND bar = ASI_ControlToHWND(control);
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(window.Get(), GetParent(bar));

  ZorvinAreaControlsWin::TagOneLiveScrollbar(control);
  EXPECT_TRUE(ZorvinAreaControlsWin::IsScrollbarTagged(control));
  EXPECT_EQ(reinterpret_cast<HANDLE>(&ZorvinAreaControlsWin::LiveScroll),
            GetPropW(bar, Name(u"ZorviLiveScrollProc")));
  // The entry the procedure calls is the one the bar names: a recording one here.
  SetPropW(bar, Name(u"ZorviLiveScrollProc"), reinterpret_cast<HANDLE>(&RecordLiveScroll));
  ZorvinAreaControlsWin::InstallLiveScrollWndProc(&area);

  // The bar itself, its thumb dragged with the mouse: the messages it follows are queued first,
  // since it tracks the drag in a loop of its own.
  ShowWindow(window.Get(), SW_SHOW);
  MoveWindow(bar, 380, 0, 16, 300, TRUE);
  ShowWindow(bar, SW_SHOW);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  gTracked = Tracked{};
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, arrow + 60));
  PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, arrow + 60));
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, arrow + 4));
  EXPECT_LE(1, gTracked.fCalls);
  EXPECT_EQ(control, gTracked.fControl);
  EXPECT_EQ(UINT(WM_VSCROLL), gTracked.fMessage);
  EXPECT_LT(0u, HIWORD(gTracked.fWParam));

  gTracked = Tracked{};
  // What the bar sends its parent while the thumb is dragged, and once it is let go.
  SendMessageA(window.Get(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 81),
               reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(1, gTracked.fCalls);
  EXPECT_EQ(control, gTracked.fControl);
  EXPECT_EQ(UINT(WM_VSCROLL), gTracked.fMessage);
  EXPECT_EQ(81u, HIWORD(gTracked.fWParam));
  SendMessageA(window.Get(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 81),
               reinterpret_cast<LPARAM>(bar));
  SendMessageA(window.Get(), WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(1, gTracked.fCalls);

  ZorvinAreaControlsWin::UntagOneLiveScrollbar(control);
  EXPECT_FALSE(ZorvinAreaControlsWin::IsScrollbarTagged(control));
  SendMessageA(window.Get(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40),
               reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(1, gTracked.fCalls);
  ZorvinAreaControlsWin::RemoveLiveScrollWndProc(&area);
  DisposeControl(control);
}

TEST(RealWindows, ACursorMadeFromPixelsHasTheSizeAndHotSpotAsked) {
  std::vector<uint32_t> pixels(24 * 20, 0xFF102030u);
  pixels[0] = 0x00000000u; // a clear corner
  HCURSOR cursor = MakeCursorFromPixels(24, 20, pixels.data(), 5, 7);
  ASSERT_NE(nullptr, cursor);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(5u, info.xHotspot);
  EXPECT_EQ(7u, info.yHotspot);
  BITMAP color = {};
  ASSERT_NE(nullptr, info.hbmColor);
  ASSERT_NE(0, GetObjectA(info.hbmColor, sizeof color, &color));
  EXPECT_EQ(24, color.bmWidth);
  EXPECT_EQ(20, color.bmHeight);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  // The window system shows it and gives it back.
  HCURSOR before = SetCursor(cursor);
  EXPECT_EQ(cursor, GetCursor());
  SetCursor(before);
  EXPECT_TRUE(DestroyCursor(cursor));

  EXPECT_EQ(nullptr, MakeCursorFromPixels(24, 20, pixels.data(), 24, 0)); // hot spot outside
  EXPECT_EQ(nullptr, MakeCursorFromPixels(0, 20, pixels.data(), 0, 0));
  EXPECT_EQ(nullptr, MakeCursorFromPixels(24, 20, nullptr, 0, 0));
}

TEST(RealWindows, TheDragCursorsComeFromThePngFilesOrFallBackToSizeAll) {
  const std::u16string path = u"" ZORVI_RESOURCES_DIR "/Cell-single.png";
  DragCursor cursor{};
  ASSERT_TRUE(
      CreateDragCursorFromPNGFile(reinterpret_cast<const PA_Unichar*>(path.c_str()), &cursor));
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor.fCursor, &info));
  BITMAP color = {};
  GetObjectA(info.hbmColor, sizeof color, &color);
  // The picture's centre is the hot spot.
  EXPECT_EQ(DWORD(color.bmWidth / 2), info.xHotspot);
  EXPECT_EQ(DWORD(color.bmHeight / 2), info.yHotspot);
  EXPECT_EQ(DWORD(cursor.fHotspotX), info.xHotspot);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(cursor.fCursor, DragCursorOrSizeAll(cursor));
  DestroyCursor(cursor.fCursor);

  const std::u16string missing = u"" ZORVI_RESOURCES_DIR "/no-such-cursor.png";
  EXPECT_FALSE(
      CreateDragCursorFromPNGFile(reinterpret_cast<const PA_Unichar*>(missing.c_str()), &cursor));
  EXPECT_EQ(nullptr, cursor.fCursor);
  EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEALL), DragCursorOrSizeAll(cursor));
}

TEST(RealWindows, TheProcessWindowIsFoundUnderTheProgramsPath) {
  // The host registers its process window under this program's path.
  HostWindow host;
  char program[MAX_PATH + 1] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
  EXPECT_EQ(GetParent(host.Get()), FindProcessWindow(program));

  // A window under a shorter prefix is found only while none has the whole path.
  const std::string path = "C:\\Zorvi test host\\4D.exe";
  RealWindow prefix(path.substr(0, path.size() - 4));
  ASSERT_NE(nullptr, prefix.Get());
  EXPECT_EQ(prefix.Get(), FindProcessWindow(path.c_str()));
  {
    RealWindow process(path);
    ASSERT_NE(nullptr, process.Get());
    EXPECT_EQ(process.Get(), FindProcessWindow(path.c_str()));
  }
  EXPECT_EQ(prefix.Get(), FindProcessWindow(path.c_str()));
}
