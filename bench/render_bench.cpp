// Drawing a full-screen grid: a full redraw of a 1920 x 1080 content view filled with cached
// cells (fitted pictures and captions), beside copying that frame's pixels once, both when the
// cells were drawn before (redrawn from their renderings) and when they were not; and one scroll
// step (new origin, evaluating the row that comes into view, redraw) in small and huge grids; and
// a full redraw of the same view of 200 x 200 cells against 8000 x 8000 ones, whose cost must
// follow the view, not the cells.

#include <benchmark/benchmark.h>

#if ZORVI_WITH_GRID

#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSetup.h"
#include "gfx/Graphics.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "platform/win/ContentView.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "zvhost/Host.h"

namespace {

using Access = ZorvinAreaTestAccess;

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr float kRow = 160; // the default cell height, no spacing

const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

// A 200 x 150 photo-like gradient as a PNG file the host language can read.
std::string WriteSamplePicture() {
  gfx::Bitmap bitmap(200, 150, gfx::PixelFormat32bppRGB);
  for (int32_t y = 0; y < 150; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      bitmap.SetPixel(x, y, gfx::Color(uint8_t(x), uint8_t(y * 2), uint8_t(x + y)));
    }
  }
  std::vector<uint8_t> png;
  gfx::EncodePng(bitmap, &png);
  const std::string path = "/tmp/zorvi_render_bench_" + std::to_string(getpid()) + ".png";
  if (FILE* file = fopen(path.c_str(), "wb")) {
    fwrite(png.data(), 1, png.size(), file);
    fclose(file);
  }
  return path;
}

// A host and a full-screen area of `count` cells, each a fitted picture over a caption.
class RenderSetup {
public:
  explicit RenderSetup(const char16_t* count, int32_t captionVertAlignment = 0) {
    zvhost::ResetHost();
    FDPackInitBlock init{};
    init.fHostVersion = zvhost::HostVersion();
    init.fCallBack = zvhost::CallBackEntry();
    FourD::Init(&init);
    fPicturePath = WriteSamplePicture();
    std::string message;
    zvhost::RunCode("READ PICTURE FILE(\"" + fPicturePath + "\"; pic)", &message);

    fArea = std::make_unique<ZorvinArea>();
    Access::SetAreaFrame(*fArea,
                         CGRectMake(0, 0, kWidth + ZorvinArea::ScrollbarThickness(), kHeight));
    fArea->SetBackColor(0xF0F0F0);
    fArea->SetupNativeSelectionColor();
    fArea->SetupNativeCaptionThings();
    fArea->SetPictureRect(CGRectMake(10, 10, 140, 110));
    Must(fArea->SetPictureDisplayFormat(6));
    fArea->SetCaptionRect(CGRectMake(0, 125, 160, 35));
    Must(fArea->SetCaptionAlignment(1, captionVertAlignment));
    Must(fArea->SetCountExpression(U(count)));
    Must(fArea->SetPictureExpression(U(u"pic")));
    Must(fArea->SetCaptionExpression(U(u"\"Cell \"+String(gZVCurrentCell)")));
    Access::SetContentFrame(*fArea, CGRectMake(0, 0, kWidth, kHeight));
    fArea->LoadVisibleCellData();
    fWindow = std::make_unique<gfx::Bitmap>(kWidth, kHeight, gfx::PixelFormat32bppRGB);
    fGraphics = std::make_unique<gfx::Graphics>(fWindow.get());
  }

  ~RenderSetup() {
    fGraphics.reset();
    fWindow.reset();
    fArea.reset();
    FourD::Deinit();
    zvhost::ResetHost();
    remove(fPicturePath.c_str());
  }

  void Redraw() {
    ContentView::Draw(fArea.get(), fGraphics.get());
    fGraphics->Flush();
  }

  std::unique_ptr<ZorvinArea> fArea;
  std::unique_ptr<gfx::Bitmap> fWindow;
  std::unique_ptr<gfx::Graphics> fGraphics;
  std::string fPicturePath;
};

void BM_FrameCopy(benchmark::State& state) {
  std::vector<uint8_t> from(size_t(kWidth) * kHeight * 4, 0x5A);
  std::vector<uint8_t> to(from.size());
  for (auto _ : state) {
    memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameCopy);

// Argument: the captions' vertical alignment (0 top, 1 centre: then each caption is measured too).
void BM_FullRedraw(benchmark::State& state) {
  RenderSetup setup(u"1000", static_cast<int32_t>(state.range(0)));
  setup.Redraw();
  for (auto _ : state) {
    setup.Redraw();
  }
  state.counters["cells"] = 12 * 7;
}
BENCHMARK(BM_FullRedraw)->Arg(0)->Arg(1);

// The same frame when no cell has been drawn before in its look: each iteration changes the
// caption colour, so every cell is rendered anew before it is copied.
void BM_FullRedrawFirstTime(benchmark::State& state) {
  RenderSetup setup(u"1000");
  setup.Redraw();
  int32_t color = 0;
  for (auto _ : state) {
    color ^= 0x010101;
    setup.fArea->SetCaptionTextColors(color, -256);
    setup.Redraw();
  }
  state.counters["cells"] = 12 * 7;
}
BENCHMARK(BM_FullRedrawFirstTime);

void BM_ScrollStep(benchmark::State& state) {
  RenderSetup setup(state.range(0) == 1000 ? u"1000" : u"10000000");
  // Huge grids never come back to a row: every step evaluates the row it uncovers. The small
  // one wraps around and then finds its rows cached.
  const float end = setup.fArea->GetContentSize().height - kHeight;
  float y = 0;
  for (auto _ : state) {
    y = y + kRow > end ? 0 : y + kRow;
    Access::SetOrigin(*setup.fArea, CGPointMake(0, -y));
    setup.fArea->LoadVisibleCellData();
    setup.Redraw();
  }
}
BENCHMARK(BM_ScrollStep)->Arg(1000)->Arg(10000000);

// Argument: the cells' side. Cells too big to be rendered and kept are drawn clipped to the view.
void BM_RedrawByCellSize(benchmark::State& state) {
  RenderSetup setup(u"100");
  const auto side = static_cast<int32_t>(state.range(0));
  Must(setup.fArea->SetCellSize(side, side));
  setup.fArea->SetPictureRect(CGRectMake(0, 0, static_cast<float>(side), side - 35.0f));
  setup.fArea->SetCaptionRect(CGRectMake(0, side - 35.0f, static_cast<float>(side), 35));
  setup.fArea->LoadVisibleCellData();
  setup.Redraw();
  for (auto _ : state) {
    setup.Redraw();
  }
}
BENCHMARK(BM_RedrawByCellSize)->Arg(200)->Arg(8000);

} // namespace

#endif
