// The drawing layer on a window's device context, as the grid draws outside an update: a graphics
// draws on the HDC, and what the context shows is copied back into a bitmap.
#include <gtest/gtest.h>

#include "gfx/Graphics.h"

#include <windows.h>

using namespace gfx;

TEST(GraphicsOnDeviceContext, DrawsOnAWindowAndReadsItsPixelsBack) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ZorviTestDrawnWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 40,
                                30, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  HDC dc = GetDC(window);
  ASSERT_NE(nullptr, dc);
  {
    Graphics graphics(dc);
    ASSERT_EQ(Status::Ok, graphics.GetLastStatus());
    SolidBrush white(Color(255, 255, 255));
    SolidBrush red(Color(255, 0, 0));
    graphics.FillRectangle(&white, 0, 0, 40, 30);
    graphics.TranslateTransform(2, 3);
    graphics.FillRectangle(&red, 10, 10, 4, 4);
  }
  // A part reaching past the window reads black there.
  std::unique_ptr<Bitmap> copy = Bitmap::FromDeviceContext(dc, gfx::Rect(10, 10, 40, 30));
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(40, copy->GetWidth());
  Color color;
  copy->GetPixel(2, 3, &color);
  EXPECT_EQ(0xFFFF0000u, color.GetValue());
  copy->GetPixel(6, 3, &color);
  EXPECT_EQ(0xFFFFFFFFu, color.GetValue());
  copy->GetPixel(35, 25, &color);
  EXPECT_EQ(0xFF000000u, color.GetValue());

  EXPECT_EQ(nullptr, Bitmap::FromDeviceContext(dc, gfx::Rect(0, 0, 0, 5)));
  EXPECT_EQ(nullptr, Bitmap::FromDeviceContext(nullptr, gfx::Rect(0, 0, 5, 5)));
  EXPECT_EQ(Status::InvalidParameter,
            Graphics(static_cast<const FDDeviceContext*>(nullptr)).GetLastStatus());
  ReleaseDC(window, dc);
  DestroyWindow(window);
  UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
}
