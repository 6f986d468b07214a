// The emulated window system's native windows: window records, properties, window procedures,
// parents, point conversion, the mouse, and what closing a window takes with it.
#include <cstring>

#include "FakeArea.h"

namespace {

using namespace hosttest;

const PA_Unichar* Name(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

class WindowSystem : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    Run("gW:=Open window(100;50;400;250)");
    fWindow = zvhost::HostWindow(1);
    ASSERT_NE(nullptr, fWindow);
  }
  void TearDown() override {
    fakearea::Get() = fakearea::State();
    HostTest::TearDown();
  }
  ControlHandle NewBar(const Rect& r) {
    return NewControl(fWindow, &r, nullptr, 1, 0, 0, 0, kScrollBarProc, 0);
  }

  void* fWindow = nullptr;
};

uint8_t Hilite(void* window) {
  return static_cast<const uint8_t*>(window)[kWindowRecordHiliteOffset];
}

uint32_t ControlList(void* window) {
  uint32_t value = 0;
  std::memcpy(&value, static_cast<const uint8_t*>(window) + kWindowRecordControlListOffset,
              sizeof value);
  return value;
}

TEST_F(WindowSystem, TheFrontWindowIsActiveAndAClosedWindowHasNoControlList) {
  Run("gW2:=Open window(0;0;50;50)");
  void* second = zvhost::HostWindow(2);
  EXPECT_EQ(0, Hilite(fWindow));
  EXPECT_NE(0, Hilite(second));
  EXPECT_NE(0u, ControlList(fWindow));
  EXPECT_NE(0u, ControlList(second));
  Run("CLOSE WINDOW(gW2)");
  EXPECT_NE(0, Hilite(fWindow));
  EXPECT_EQ(0, Hilite(second));
  EXPECT_EQ(0u, ControlList(second));
  EXPECT_FALSE(IsWindow(second));
  EXPECT_TRUE(IsWindow(fWindow));
}

TEST_F(WindowSystem, PropertiesAreKeptPerWindowByName) {
  int a = 0;
  int b = 0;
  HWND bar = ASI_ControlToHWND(NewBar(Rect{0, 0, 100, 16}));
  EXPECT_EQ(1, SetPropW(fWindow, Name(u"Count"), &a));
  EXPECT_EQ(1, SetPropW(bar, Name(u"Count"), &b));
  EXPECT_EQ(&a, GetPropW(fWindow, Name(u"Count")));
  EXPECT_EQ(&b, GetPropW(bar, Name(u"Count")));
  EXPECT_EQ(nullptr, GetPropW(fWindow, Name(u"count"))); // names are exact
  EXPECT_EQ(1, SetPropW(fWindow, Name(u"Count"), &b));
  EXPECT_EQ(&b, RemovePropW(fWindow, Name(u"Count")));
  EXPECT_EQ(nullptr, GetPropW(fWindow, Name(u"Count")));
  EXPECT_EQ(nullptr, RemovePropW(fWindow, Name(u"Count")));

  int forged = 0;
  for (HWND bad : {static_cast<HWND>(&forged), static_cast<HWND>(nullptr)}) {
    EXPECT_EQ(0, SetPropW(bad, Name(u"Count"), &a));
    EXPECT_EQ(nullptr, GetPropW(bad, Name(u"Count")));
    EXPECT_EQ(nullptr, RemovePropW(bad, Name(u"Count")));
  }
  EXPECT_EQ(0, SetPropW(fWindow, nullptr, &a));
}

struct Seen {
  HWND window;
  uint32_t message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> gSeen;
WNDPROC gChained = nullptr;

LRESULT Subclass(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  gSeen.push_back({window, message, wParam, lParam});
  return CallWindowProcA(gChained, window, message, wParam, lParam) + 7;
}

TEST_F(WindowSystem, AReplacedProcedureSeesMessagesAndChainsToTheOldOne) {
  gSeen.clear();
  const intptr_t original = GetWindowLongPtrA(fWindow, GWLP_WNDPROC);
  ASSERT_NE(0, original);
  gChained = reinterpret_cast<WNDPROC>(original);
  EXPECT_EQ(original,
            SetWindowLongPtrA(fWindow, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&Subclass)));
  EXPECT_EQ(7, SendMessageA(fWindow, WM_VSCROLL, 5, 9)); // the default procedure answers 0
  ASSERT_EQ(1u, gSeen.size());
  EXPECT_EQ(WM_VSCROLL, gSeen[0].message);
  EXPECT_EQ(5u, gSeen[0].wParam);
  EXPECT_EQ(fWindow, gSeen[0].window);
  EXPECT_EQ(reinterpret_cast<intptr_t>(&Subclass),
            SetWindowLongPtrA(fWindow, GWLP_WNDPROC, original));
  EXPECT_EQ(0, SendMessageA(fWindow, WM_VSCROLL, 5, 9));
  EXPECT_EQ(1u, gSeen.size());

  int forged = 0;
  EXPECT_EQ(0, SetWindowLongPtrA(&forged, GWLP_WNDPROC, original));
  EXPECT_EQ(0, SetWindowLongPtrA(fWindow, GWLP_WNDPROC, 0)); // a window needs a procedure
  EXPECT_EQ(0, SendMessageA(&forged, WM_VSCROLL, 0, 0));
}

TEST_F(WindowSystem, ClientOriginsAreTheWindowsFrameAndTheBarsOwnCorner) {
  HWND bar = ASI_ControlToHWND(NewBar(Rect{20, 10, 120, 26})); // top, left, bottom, right
  struct Case {
    HWND window;
    POINT screen;
    POINT client;
  };
  const Case cases[] = {
      {GetProcessWindow(), {7, 8}, {7, 8}}, {fWindow, {100, 50}, {0, 0}},
      {fWindow, {130, 95}, {30, 45}},       {bar, {110, 70}, {0, 0}},
      {bar, {90, 60}, {-20, -10}},
  };
  for (const Case& c : cases) {
    POINT p = c.screen;
    ASSERT_EQ(1, ScreenToClient(c.window, &p));
    EXPECT_EQ(c.client.x, p.x);
    EXPECT_EQ(c.client.y, p.y);
    ASSERT_EQ(1, ClientToScreen(c.window, &p));
    EXPECT_EQ(c.screen.x, p.x);
    EXPECT_EQ(c.screen.y, p.y);
  }
  int forged = 0;
  POINT p{3, 4};
  EXPECT_EQ(0, ScreenToClient(&forged, &p));
  EXPECT_EQ(0, ClientToScreen(fWindow, nullptr));
  EXPECT_EQ(3, p.x);

  EXPECT_EQ(fWindow, GetParent(bar));
  EXPECT_EQ(GetProcessWindow(), GetParent(fWindow));
  EXPECT_EQ(nullptr, GetParent(&forged));
  EXPECT_EQ(16, GetSystemMetrics(SM_CXVSCROLL));
  FDDeviceContext* dc = GetDC(fWindow);
  EXPECT_NE(nullptr, dc);
  EXPECT_EQ(nullptr, GetDC(bar));
  EXPECT_EQ(0, ReleaseDC(bar, dc)); // only to the window it came from
  EXPECT_EQ(1, ReleaseDC(fWindow, dc));
  RECT client{};
  ASSERT_EQ(1, GetClientRect(fWindow, &client));
  EXPECT_EQ(dc->fWidth, client.right);
  EXPECT_EQ(dc->fHeight, client.bottom);
  EXPECT_EQ(0, GetClientRect(bar, &client));
}

TEST_F(WindowSystem, TheMouseIsWhereTheLastInputLeftItInScreenCoordinates) {
  Run("MOUSE CLICK(gW;10;20)");
  POINT p{};
  ASSERT_EQ(1, GetCursorPos(&p));
  EXPECT_EQ(110, p.x);
  EXPECT_EQ(70, p.y);
  Run("MOUSE DRAG(gW;1;2;50;60)");
  GetCursorPos(&p);
  EXPECT_EQ(150, p.x);
  EXPECT_EQ(110, p.y);
  EXPECT_EQ(0, GetCursorPos(nullptr));
}

TEST_F(WindowSystem, ClosingAWindowDestroysItsBarsAndTheirHandlesGoStale) {
  ControlHandle control = NewBar(Rect{0, 0, 100, 16});
  HWND bar = ASI_ControlToHWND(control);
  ASSERT_TRUE(IsWindow(bar));
  Run("CLOSE WINDOW(gW)");
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_FALSE(IsWindow(fWindow));
  EXPECT_EQ(nullptr, *control);
  EXPECT_EQ(nullptr, ASI_ControlToHWND(control));
  // What a plug-in might still do with a stale handle is ignored.
  SetControl32BitValue(control, 3);
  Draw1Control(control);
  DisposeControl(control);
  EXPECT_EQ(0, GetControl32BitValue(control));
  EXPECT_EQ(nullptr, NewControl(fWindow, nullptr, nullptr, 1, 0, 0, 0, kScrollBarProc, 0));
}

TEST_F(WindowSystem, AnAreaLearnsItsWindowFromItsOwnCell) {
  std::vector<std::pair<int16_t, void*>> answers;
  fakearea::Get().reply = [&](EventRecord& event, int32_t* word) {
    if (event.what != 602) {
      return;
    }
    FDEngineBlock b = NewBlock();
    b.fPtr1 = word;
    b = Call(kFDGetAreaWindow, b);
    EXPECT_EQ(b.fPtr2, b.fPtr3);
    answers.emplace_back(b.fError, b.fPtr2);
  };
  Run("gA:=Plugin area(gW;\"a\";0;0;50;50)");
  ASSERT_EQ(1u, answers.size());
  EXPECT_EQ(0, answers[0].first);
  EXPECT_EQ(fWindow, answers[0].second);
  int32_t copy = 101;
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &copy;
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDGetAreaWindow, b).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDGetAreaWindow, NewBlock()).fError);
}

} // namespace
