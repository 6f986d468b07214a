// The emulator over the real window system: its windows, bars, snapshots and input as Win32 and
// GDI+ see them, under Wine here.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "zvhost/Host.h"

namespace {

HWND NativeWindowOf(int32_t number) {
  FDEngineBlock block{};
  block.fPtr1 = zvhost::HostWindow(number);
  zvhost::CallBackEntry()(kFDMacWindowToHWND, &block);
  return static_cast<HWND>(block.fPtr2);
}

// What the bar's parent window is told, through the procedure installed on it.
struct ScrollMessage {
  WPARAM code;
  int trackPos;
};
std::vector<ScrollMessage> gScrolls;
WNDPROC gPrevious = nullptr;

LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(reinterpret_cast<HWND>(lParam), SB_CTL, &info);
    gScrolls.push_back({wParam, info.nTrackPos});
  }
  return CallWindowProcW(gPrevious, window, message, wParam, lParam);
}

// The pixels of a PNG file, 0xAARRGGBB, through GDI+'s decoder.
std::vector<uint32_t> ReadPng(const wchar_t* path, int* width, int* height) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  std::vector<uint32_t> pixels;
  {
    Gdiplus::Bitmap bitmap(path);
    *width = static_cast<int>(bitmap.GetWidth());
    *height = static_cast<int>(bitmap.GetHeight());
    for (int y = 0; y < *height; ++y) {
      for (int x = 0; x < *width; ++x) {
        Gdiplus::Color color;
        bitmap.GetPixel(x, y, &color);
        pixels.push_back(color.GetValue());
      }
    }
  }
  Gdiplus::GdiplusShutdown(token);
  return pixels;
}

class RealWindowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    zvhost::ResetHost();
    ASSERT_EQ(zvhost::RunCode("w:=Open window(40; 30; 240; 230)"), 0);
    window = NativeWindowOf(1);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    zvhost::CloseAllWindows();
    zvhost::ClearHostState();
  }
  HWND window = nullptr;
};

TEST_F(RealWindowsTest, AHostWindowIsARealChildOfTheProcessWindowAtItsFrame) {
  EXPECT_TRUE(IsWindow(window));
  EXPECT_NE(static_cast<void*>(window), zvhost::HostWindow(1)); // the record is not the handle
  FDEngineBlock back{};
  back.fPtr1 = window;
  zvhost::CallBackEntry()(kFDHWNDToMacWindow, &back);
  EXPECT_EQ(back.fPtr2, zvhost::HostWindow(1));
  FDEngineBlock unknown{};
  unknown.fPtr1 = zvhost::HostWindow(1); // a record is no native window
  zvhost::CallBackEntry()(kFDHWNDToMacWindow, &unknown);
  EXPECT_EQ(unknown.fPtr2, nullptr);
  EXPECT_EQ(unknown.fError, kFDErrNotAvailable);
  HWND process = GetParent(window);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  EXPECT_EQ(FindWindowA(path, nullptr), process);
  RECT frame{};
  GetWindowRect(window, &frame);
  MapWindowPoints(HWND_DESKTOP, process, reinterpret_cast<POINT*>(&frame), 2);
  EXPECT_EQ(frame.left, 40);
  EXPECT_EQ(frame.top, 30);
  EXPECT_EQ(frame.right, 240);
  EXPECT_EQ(frame.bottom, 230);
  ASSERT_EQ(zvhost::RunCode("CLOSE WINDOW(w)"), 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(RealWindowsTest, AControlIsARealBarTheSnapshotShowsAndTheThumbDragTracks) {
  const Rect bounds{0, 184, 200, 200}; // a vertical bar along the right edge
  ControlHandle control =
      NewControl(zvhost::HostWindow(1), &bounds, nullptr, 1, 0, 0, 100, kScrollBarProc, 0);
  ASSERT_NE(control, nullptr);
  SetControlViewSize(control, 20);
  HWND bar = ASI_ControlToHWND(control);
  ASSERT_TRUE(IsWindow(bar));
  EXPECT_EQ(GetParent(bar), window);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 119);
  EXPECT_EQ(info.nPage, 20u);

  // The snapshot is what the window shows: white, and the bar's own pixels at its place.
  const std::string file = "windows_host_bar.png";
  ASSERT_EQ(zvhost::RunCode("SNAPSHOT(w; \"" + file + "\")"), 0);
  int width = 0;
  int height = 0;
  const std::wstring wide(file.begin(), file.end());
  const std::vector<uint32_t> pixels = ReadPng(wide.c_str(), &width, &height);
  ASSERT_EQ(width, 200);
  ASSERT_EQ(height, 200);
  EXPECT_EQ(pixels[100 * 200 + 50], 0xFFFFFFFFu);
  auto drawn = [&pixels](int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 184; x < 200; ++x) {
        count += pixels[size_t(y) * 200 + size_t(x)] != 0xFFFFFFFFu ? 1 : 0;
      }
    }
    return count;
  };
  EXPECT_GT(drawn(0, 16), 16);             // the up arrow's button
  EXPECT_GT(drawn(16, 184), 16 * 168 / 4); // the thumb and the track
  std::remove(file.c_str());

  // A drag on the thumb: the bar tracks it, its parent hears of each step through the procedure
  // installed on it, with the track position set.
  gScrolls.clear();
  gPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Listener)));
  SCROLLBARINFO barInfo{};
  barInfo.cbSize = sizeof barInfo;
  ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &barInfo));
  const int thumbY = (barInfo.xyThumbTop + barInfo.xyThumbBottom) / 2;
  ASSERT_EQ(zvhost::RunCode("MOUSE DRAG(w; 192; " + std::to_string(thumbY) + "; 192; " +
                            std::to_string(thumbY + 60) + ")"),
            0);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPrevious));
  ASSERT_GE(gScrolls.size(), 3u);
  // 60 of the 140 pixels the thumb can travel: 43 of the 100 positions.
  const ScrollMessage& track = gScrolls[gScrolls.size() - 3];
  EXPECT_EQ(LOWORD(track.code), SB_THUMBTRACK);
  EXPECT_EQ(HIWORD(track.code), 43);
  EXPECT_EQ(track.trackPos, 43);
  EXPECT_EQ(LOWORD(gScrolls[gScrolls.size() - 2].code), SB_THUMBPOSITION);
  EXPECT_EQ(LOWORD(gScrolls.back().code), SB_ENDSCROLL);
  DisposeControl(control);
  EXPECT_FALSE(IsWindow(bar));
}

TEST_F(RealWindowsTest, TheMouseOfTheEmulatorIsTheRealPointer) {
  ASSERT_EQ(zvhost::RunCode("MOUSE CLICK(w; 10; 20)"), 0);
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(window, &point);
  EXPECT_EQ(point.x, 10);
  EXPECT_EQ(point.y, 20);
}

// A 2 x 1 BMP, 24 bits: blue then red.
void WriteBmp(const char* path) {
  const unsigned char bytes[] = {'B', 'M', 62, 0, 0, 0,   0, 0, 0, 0, 54, 0, 0, 0, // file header
                                 40,  0,   0,  0, 2, 0,   0, 0, 1, 0, 0,  0, 1, 0,
                                 24,  0,   0,  0, 0, 0,   8, 0, 0, 0, 0,  0, 0, 0,
                                 0,   0,   0,  0, 0, 0,   0, 0, 0, 0, 0,  0, // info header
                                 255, 0,   0,  0, 0, 255, 0, 0}; // one row, padded to 4 bytes
  FILE* file = std::fopen(path, "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes, 1, sizeof bytes, file);
  std::fclose(file);
}

TEST(WindowsPictures, GdiplusCodecsReadEveryFormatTheHostTakes) {
  zvhost::ResetHost();
  WriteBmp("windows_host_two.bmp");
  const std::string data = ZORVI_TEST_DATA_DIR;
  const std::pair<std::string, std::string> files[] = {{data + "/rgb3x2.png", "3 2"},
                                                       {data + "/rgb3x2.tiff", "3 2"},
                                                       {data + "/red-blue16x8.jpg", "16 8"},
                                                       {"windows_host_two.bmp", "2 1"}};
  for (const auto& [path, size] : files) {
    std::string logged;
    zvhost::SetLogSink([&logged](const std::string& line) { logged = line; });
    std::string message;
    EXPECT_EQ(zvhost::RunCode(
                  "C_PICTURE(p)\nREAD PICTURE FILE(\"" + path +
                      "\"; p)\nPICTURE PROPERTIES(p; pw; ph)\nLOG(String(pw)+\" \"+String(ph))",
                  &message),
              0)
        << message;
    EXPECT_EQ(logged, size) << path;
  }
  zvhost::SetLogSink(nullptr);
  std::remove("windows_host_two.bmp");
  zvhost::ClearHostState();
}

} // namespace
