// The part of the area that shows the cells. A full redraw draws straight onto the window, so
// each pixel is copied once; partial redraws and scrolling by copy go through an off-screen back
// buffer over the part of the view that its window can show, which is then copied to the window.
#pragma once

#include <memory>

#include "platform/win/CGGeometry.h"

namespace gfx {
class Bitmap;
class Graphics;
} // namespace gfx
class WindowSurface;
class ZorvinArea;

class ContentView {
public:
  ContentView();
  ~ContentView();
  ContentView(const ContentView&) = delete;
  ContentView& operator=(const ContentView&) = delete;

  static void SetupBackBuffer(ZorvinArea* area);
  static void CleanupBackBuffer(ZorvinArea* area);
  static void CheckBackBuffer(ZorvinArea* area);

  static void Draw(ZorvinArea* area, gfx::Graphics* graphics);
  static void DrawDirect(ZorvinArea* area);
  // `dirty` (content-view coordinates) may be null: the whole view.
  static void DrawAtPortOrigin(ZorvinArea* area, gfx::Graphics* graphics, const CGRect* dirty);
  static void RedrawViewRectImmediately(ZorvinArea* area, CGRect rect);
  static void CopyBackBuffer(ZorvinArea* area, CGRect from, CGRect to);

  static CGRect GetPortRelativeBounds(const ZorvinArea* area);
  // The part of the view (view space) that its window can show: all the back buffer covers and
  // all that loads and draws walk, so a huge area costs what its window shows. The whole view
  // when there is no window surface to bound it.
  static CGRect GetShownBounds(const ZorvinArea* area);
  // Drawing straight onto the area's window; null when the window has no surface.
  static std::unique_ptr<WindowSurface> WindowGraphics(const ZorvinArea* area);

  // Whole pixels over the part of the view that its window can show; null until made, and when
  // it cannot be had. After a full redraw only what partial redraws drew since is current.
  const gfx::Bitmap* GetBackBuffer() const { return fBackBuffer.get(); }

private:
  // Draws the view into the buffer when a full redraw went past it.
  static void BringBackBufferUpToDate(ZorvinArea* area);

  std::unique_ptr<gfx::Bitmap> fBackBuffer;
  // Draws on the back buffer in view space.
  std::unique_ptr<gfx::Graphics> fBackBufferGraphics;
  // A full redraw went straight to the window: the buffer holds older pixels than it shows.
  bool fBackBufferStale = false;
};
