// Drawing a cell's picture, scaled into the cell, against the cheapest thing a cell draw does: a
// plain rectangle fill of the same size. Both run in the same process, on the same surface.

#include <benchmark/benchmark.h>

#include "gfx/Graphics.h"

namespace {

constexpr float kCellX = 10, kCellY = 10, kCellWidth = 120, kCellHeight = 90;

// A 100 x 100 picture with some structure, so sampling has work to do.
std::unique_ptr<gfx::Bitmap> MakePicture() {
  auto picture = std::make_unique<gfx::Bitmap>(100, 100);
  gfx::Graphics graphics(picture.get());
  gfx::SolidBrush dark(gfx::Color(255, 40, 60, 90)), light(gfx::Color(200, 230, 210, 120));
  graphics.Clear(gfx::Color(255, 250, 250, 250));
  for (int i = 0; i < 10; ++i) {
    graphics.FillRectangle(i % 2 ? &dark : &light, float(i * 10), float(i * 7), 30, 20);
  }
  return picture;
}

void BM_FillCellRectangle(benchmark::State& state) {
  gfx::Bitmap target(256, 256);
  gfx::Graphics graphics(&target);
  gfx::SolidBrush brush(gfx::Color(255, 255, 255, 255));
  for (auto _ : state) {
    graphics.FillRectangle(&brush, kCellX, kCellY, kCellWidth, kCellHeight);
    benchmark::ClobberMemory();
  }
  graphics.Flush();
}
BENCHMARK(BM_FillCellRectangle);

// As a cell draws its picture: save, clip to the picture rectangle, draw fitted, restore.
void BM_DrawImageScaledIntoCell(benchmark::State& state) {
  auto picture = MakePicture();
  gfx::Bitmap target(256, 256);
  gfx::Graphics graphics(&target);
  graphics.SetInterpolationMode(gfx::InterpolationMode(state.range(0)));
  gfx::RectF cell(kCellX, kCellY, kCellWidth, kCellHeight);
  for (auto _ : state) {
    gfx::GraphicsState saved = graphics.Save();
    graphics.IntersectClip(cell);
    graphics.DrawImage(picture.get(), gfx::RectF(kCellX + 15, kCellY, kCellHeight, kCellHeight));
    graphics.Restore(saved);
    benchmark::ClobberMemory();
  }
  graphics.Flush();
}
BENCHMARK(BM_DrawImageScaledIntoCell)
    ->ArgName("interpolation")
    ->Arg(gfx::InterpolationModeDefault)
    ->Arg(gfx::InterpolationModeNearestNeighbor)
    ->Arg(gfx::InterpolationModeHighQualityBicubic);

} // namespace
