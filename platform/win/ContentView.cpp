#include "platform/win/ContentView.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "platform/win/CGBridges.h"
#include "platform/win/WindowSurface.h"
#include "sdk/HostWindows.h"

namespace {

CGRect ViewBounds(const ZorvinArea* area) {
  const CGRect frame = area->GetContentViewFrame();
  return CGRectMake(0, 0, frame.size.width, frame.size.height);
}

// Back-buffer pixels are view points less the buffer's origin; its graphics draws in view space.
void PlaceBackBuffer(gfx::Graphics* graphics, CGRect frame) {
  graphics->ResetTransform();
  graphics->TranslateTransform(-frame.origin.x, -frame.origin.y);
}

bool IsWhole(CGFloat value) {
  return value == std::floor(value);
}

bool IsWholeRect(CGRect r) {
  return IsWhole(r.origin.x) && IsWhole(r.origin.y) && IsWhole(r.size.width) &&
         IsWhole(r.size.height);
}

// The parts of `fill` (view space) that no cell of the pass will paint over, when that can be
// known: square unscaled cells on whole pixels each paint every pixel of their rectangle with an
// opaque background first, so filling under them would be drawn over at once.
bool UncoveredByCells(const ZorvinArea* area, const gfx::Graphics& graphics, CGRect fill,
                      CGFloat scale, std::vector<gfx::RectF>* uncovered) {
  const CGPoint origin = area->GetOrigin();
  if (area->GetCellClipRegion() != nullptr || scale != 1 || !graphics.HasWholePixelTranslation() ||
      !IsWhole(origin.x) || !IsWhole(origin.y) || !IsWholeRect(fill) || area->GetCellCount() <= 0) {
    return false;
  }
  const auto count = static_cast<uint32_t>(area->GetCellCount());
  std::vector<CGRect> cells;
  std::vector<CGFloat> edges{CGRectGetMinY(fill), CGRectGetMaxY(fill)};
  CellBlockIterator iterator = area->GetVisibleCellsBlockIterator();
  while (iterator.HasMoreCells()) {
    const CellLocation location = iterator.NextCell();
    const uint32_t cell = area->CellLocationToIndex(location);
    if (cell < 1 || cell > count) {
      continue;
    }
    CGRect r = area->GetCellRect(location, false);
    r.origin.x += origin.x;
    r.origin.y += origin.y;
    r = CGRectIntersection(r, fill);
    if (CGRectIsNull(r) || CGRectIsEmpty(r)) {
      continue;
    }
    if (!IsWholeRect(r)) {
      return false;
    }
    cells.push_back(r);
    edges.push_back(CGRectGetMinY(r));
    edges.push_back(CGRectGetMaxY(r));
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  // Band by band: between two consecutive edges the same cells span the whole band.
  std::vector<std::pair<CGFloat, CGFloat>> spans;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const CGFloat top = edges[i];
    const CGFloat bottom = edges[i + 1];
    spans.clear();
    for (const CGRect& r : cells) {
      if (CGRectGetMinY(r) <= top && CGRectGetMaxY(r) >= bottom) {
        spans.emplace_back(CGRectGetMinX(r), CGRectGetMaxX(r));
      }
    }
    std::sort(spans.begin(), spans.end());
    CGFloat x = CGRectGetMinX(fill);
    for (const auto& [left, right] : spans) {
      if (left > x) {
        uncovered->emplace_back(x, top, left - x, bottom - top);
      }
      x = std::max(x, right);
    }
    if (x < CGRectGetMaxX(fill)) {
      uncovered->emplace_back(x, top, CGRectGetMaxX(fill) - x, bottom - top);
    }
  }
  return true;
}

} // namespace

ContentView::ContentView() = default;
ContentView::~ContentView() = default;

CGRect ContentView::GetShownBounds(const ZorvinArea* area) {
  const CGRect bounds = ViewBounds(area);
  int32_t width = 0;
  int32_t height = 0;
  if (!WindowSurface::GetClientSize(static_cast<HWND>(area->GetHWND()), &width, &height)) {
    return bounds;
  }
  const CGPoint port = ContentView::GetPortRelativeBounds(area).origin;
  const CGRect window =
      CGRectMake(-port.x, -port.y, static_cast<CGFloat>(width), static_cast<CGFloat>(height));
  const CGRect shown = CGRectIntersection(bounds, window);
  return CGRectIsNull(shown) ? CGRectZero : shown;
}

void ContentView::SetupBackBuffer(ZorvinArea* area) {
  const CGRect frame = GetShownBounds(area);
  const auto width = static_cast<int32_t>(frame.size.width);
  const auto height = static_cast<int32_t>(frame.size.height);
  if (width <= 0 || height <= 0) {
    return;
  }
  std::unique_ptr<gfx::Bitmap> bitmap(new (std::nothrow)
                                          gfx::Bitmap(width, height, gfx::PixelFormat32bppRGB));
  if (bitmap == nullptr || bitmap->GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  std::unique_ptr<gfx::Graphics> graphics(new (std::nothrow) gfx::Graphics(bitmap.get()));
  if (graphics == nullptr || graphics->GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  PlaceBackBuffer(graphics.get(), frame);
  area->GetContentView().fBackBuffer = std::move(bitmap);
  area->GetContentView().fBackBufferGraphics = std::move(graphics);
  area->GetContentView().fBackBufferStale = true; // nothing drawn in it yet
}

void ContentView::CleanupBackBuffer(ZorvinArea* area) {
  area->GetContentView().fBackBufferGraphics.reset();
  area->GetContentView().fBackBuffer.reset();
}

void ContentView::CheckBackBuffer(ZorvinArea* area) {
  const gfx::Bitmap* buffer = area->GetContentView().fBackBuffer.get();
  const CGRect frame = GetShownBounds(area);
  if (buffer != nullptr && area->GetContentView().fBackBufferGraphics != nullptr &&
      buffer->GetWidth() == static_cast<int32_t>(frame.size.width) &&
      buffer->GetHeight() == static_cast<int32_t>(frame.size.height)) {
    PlaceBackBuffer(area->GetContentView().fBackBufferGraphics.get(), frame);
    return;
  }
  CleanupBackBuffer(area);
  SetupBackBuffer(area);
}

void ContentView::Draw(ZorvinArea* area, gfx::Graphics* graphics) {
  if (area == nullptr || graphics == nullptr || area->IsLoadingCellData()) {
    return;
  }
  CheckBackBuffer(area);
  if (area->GetContentView().fBackBufferGraphics == nullptr) {
    return;
  }
  const CGRect shown = GetShownBounds(area);
  const CGRect port = GetPortRelativeBounds(area);
  // Anti-aliased cell corners blend one unit differently on the window's surface than in the
  // buffer: rounded cells keep going through the buffer, so that they look as they always did.
  if (area->GetCellClipRegion() != nullptr) {
    DrawAtPortOrigin(area, area->GetContentView().fBackBufferGraphics.get(), &shown);
    area->GetContentView().fBackBufferStale = false;
    graphics->DrawImage(area->GetContentView().fBackBuffer.get(), port.origin.x + shown.origin.x,
                        port.origin.y + shown.origin.y);
    return;
  }
  // Square cells are drawn straight onto the window; the buffer is still made, for the partial
  // redraws that follow, but not drawn into: drawing the cells there and copying it out doubled
  // the cost of every full redraw.
  const gfx::GraphicsState state = graphics->Save();
  // Only whole pixels of the view, as the buffer would have covered.
  graphics->IntersectClip(GdiplusRectFMakeWithCGRect(
      CGRectMake(port.origin.x + shown.origin.x, port.origin.y + shown.origin.y,
                 std::floor(shown.size.width), std::floor(shown.size.height))));
  graphics->TranslateTransform(port.origin.x, port.origin.y);
  DrawAtPortOrigin(area, graphics, &shown);
  graphics->Restore(state);
  area->GetContentView().fBackBufferStale = true;
}

void ContentView::BringBackBufferUpToDate(ZorvinArea* area) {
  ContentView& view = area->GetContentView();
  if (!view.fBackBufferStale || view.fBackBufferGraphics == nullptr) {
    return;
  }
  view.fBackBufferStale = false;
  const CGRect shown = GetShownBounds(area);
  // The window shows what the buffer should hold, at the origin it was drawn with: by the time a
  // copy is asked for, the origin may have moved on, so drawing the cells again would not do.
  const CGPoint port = GetPortRelativeBounds(area).origin;
  const gfx::Rect part(CGFloatToInt32(port.x + shown.origin.x),
                       CGFloatToInt32(port.y + shown.origin.y), view.fBackBuffer->GetWidth(),
                       view.fBackBuffer->GetHeight());
  std::unique_ptr<gfx::Bitmap> window;
  {
    const WindowSurface surface(static_cast<HWND>(area->GetHWND()));
    window = gfx::Bitmap::FromDeviceContext(surface.GetDC(), part);
  }
  if (window == nullptr || window->GetLastStatus() != gfx::Status::Ok) {
    DrawAtPortOrigin(area, view.fBackBufferGraphics.get(), &shown);
    return;
  }
  const gfx::GraphicsState state = view.fBackBufferGraphics->Save();
  view.fBackBufferGraphics->ResetTransform();
  view.fBackBufferGraphics->DrawImage(window.get(), 0, 0);
  view.fBackBufferGraphics->Restore(state);
}

void ContentView::DrawDirect(ZorvinArea* area) {
  const auto* dc = static_cast<const FDDeviceContext*>(FourD::GetUpdateHDC());
  if (area == nullptr || dc == nullptr) {
    return;
  }
  gfx::Graphics graphics(dc);
  if (graphics.GetLastStatus() != gfx::Status::Ok) {
    return;
  }
  const gfx::GraphicsState state = graphics.Save();
  Draw(area, &graphics);
  graphics.Restore(state);
}

void ContentView::DrawAtPortOrigin(ZorvinArea* area, gfx::Graphics* graphics, const CGRect* dirty) {
  if (area == nullptr || graphics == nullptr) {
    return;
  }
  const CGRect bounds = ViewBounds(area);
  const CGRect fill = dirty != nullptr ? CGRectIntersection(bounds, *dirty) : bounds;
  const gfx::GraphicsState state = graphics->Save();
  // Cells are drawn only as far as the dirty rectangle shows them: a huge cell costs what the
  // view shows of it.
  if (!CGRectIsNull(fill)) {
    graphics->IntersectClip(GdiplusRectFMakeWithCGRect(CGRectIntegral(fill)));
  }
  if (area->GetAreaBackBrush() != nullptr && !CGRectIsNull(fill)) {
    std::vector<gfx::RectF> uncovered;
    if (UncoveredByCells(area, *graphics, fill, area->GetScale(), &uncovered)) {
      graphics->FillRectangles(area->GetAreaBackBrush(), uncovered.data(),
                               static_cast<int>(uncovered.size()));
    } else {
      graphics->FillRectangle(area->GetAreaBackBrush(), GdiplusRectFMakeWithCGRect(fill));
    }
  }
  const uint32_t count = static_cast<uint32_t>(area->GetCellCount() > 0 ? area->GetCellCount() : 0);
  if (count > 0) {
    const CGRect test = dirty != nullptr ? area->ViewRectToDoc(*dirty)
                                         : CGRectMake(0, 0, area->GetContentSize().width,
                                                      area->GetContentSize().height);
    const gfx::Region* clip = area->GetCellClipRegion();
    CellBlockIterator cells = area->GetVisibleCellsBlockIterator();
    while (cells.HasMoreCells()) {
      const CellLocation location = cells.NextCell();
      const uint32_t cell = area->CellLocationToIndex(location);
      if (cell < 1 || cell > count) {
        continue;
      }
      const CGRect rect = area->GetCellRect(location, false);
      if (!CGRectIntersectsRect(rect, test)) {
        continue;
      }
      const gfx::GraphicsState cellState = graphics->Save();
      // The drawing layer translates in float, which keeps whole pixels only up to 2^24: a cell
      // far down a huge document is placed by its view point, taken in double.
      const CGPoint at = area->DocPointToView(rect.origin);
      graphics->TranslateTransform(at.x, at.y);
      if (clip != nullptr) {
        graphics->SetSmoothingMode(gfx::SmoothingModeAntiAlias);
        graphics->IntersectClip(clip);
      }
      graphics->ScaleTransform(area->GetScale(), area->GetScale());
      area->DrawCell(graphics, location);
      graphics->Restore(cellState);
    }
  }
  area->DrawCaret(graphics);
  graphics->Restore(state);
}

void ContentView::RedrawViewRectImmediately(ZorvinArea* area, CGRect rect) {
  if (area == nullptr || area->IsLoadingCellData()) {
    return;
  }
  CheckBackBuffer(area);
  if (area->GetContentView().fBackBufferGraphics == nullptr) {
    return;
  }
  // Only what the window shows is drawn: the rest of a huge view would cost every cell in it.
  rect = CGRectIntersection(rect, GetShownBounds(area));
  if (CGRectIsNull(rect) || CGRectIsEmpty(rect)) {
    return;
  }
  DrawAtPortOrigin(area, area->GetContentView().fBackBufferGraphics.get(), &rect);
  const std::unique_ptr<WindowSurface> window = WindowGraphics(area);
  if (window == nullptr) {
    return;
  }
  window->GetGraphics()->IntersectClip(GdiplusRectFMakeWithCGRect(area->ViewRectToPort(rect)));
  const CGRect port = GetPortRelativeBounds(area);
  const CGPoint shown = GetShownBounds(area).origin;
  window->GetGraphics()->DrawImage(area->GetContentView().fBackBuffer.get(),
                                   port.origin.x + shown.x, port.origin.y + shown.y);
}

void ContentView::CopyBackBuffer(ZorvinArea* area, CGRect from, CGRect to) {
  if (area == nullptr || area->GetContentView().fBackBuffer == nullptr ||
      area->GetContentView().fBackBufferGraphics == nullptr) {
    return;
  }
  // The pixels copied must be those the window shows.
  BringBackBufferUpToDate(area);
  gfx::Bitmap* buffer = area->GetContentView().fBackBuffer.get();
  const CGPoint shown = GetShownBounds(area).origin;
  area->GetContentView().fBackBufferGraphics->DrawImage(
      buffer, GdiplusRectFMakeWithCGRect(to), from.origin.x - shown.x, from.origin.y - shown.y,
      from.size.width, from.size.height, gfx::UnitPixel);
  const std::unique_ptr<WindowSurface> window = WindowGraphics(area);
  if (window == nullptr) {
    return;
  }
  window->GetGraphics()->DrawImage(buffer, GdiplusRectFMakeWithCGRect(area->ViewRectToPort(to)),
                                   to.origin.x - shown.x, to.origin.y - shown.y, to.size.width,
                                   to.size.height, gfx::UnitPixel);
}

CGRect ContentView::GetPortRelativeBounds(const ZorvinArea* area) {
  return area->GetPortRelativeViewFrame(area->GetContentViewFrame());
}

std::unique_ptr<WindowSurface> ContentView::WindowGraphics(const ZorvinArea* area) {
  std::unique_ptr<WindowSurface> surface(new (std::nothrow)
                                             WindowSurface(static_cast<HWND>(area->GetHWND())));
  if (surface == nullptr || surface->GetGraphics() == nullptr) {
    return nullptr;
  }
  return surface;
}
