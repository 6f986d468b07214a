// Laying out and loading the visible cells of a small grid against a grid of ten million cells,
// in the same run. Only the visible block is evaluated, so both should cost the same.

#include <benchmark/benchmark.h>

#if ZORVI_WITH_GRID

#include <memory>

#include "bench/BenchSetup.h"
#include "grid/ZorvinArea.h"
#include "host/FourD.h"
#include "tests/unit/grid/ZorvinAreaTestAccess.h"
#include "zvhost/Host.h"

namespace {

const char16_t kCount1000[] = u"1000";
const char16_t kCount10M[] = u"10000000";
const char16_t kCaption[] = u"\"Cell \"+String(gZVCurrentCell)";

const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

void BM_LayoutAndLoadVisibleCells(benchmark::State& state) {
  zvhost::ResetHost();
  FDPackInitBlock init{};
  init.fHostVersion = zvhost::HostVersion();
  init.fCallBack = zvhost::CallBackEntry();
  FourD::Init(&init);
  {
    auto area = std::make_unique<ZorvinArea>();
    ZorvinAreaTestAccess::SetAreaFrame(*area, CGRectMake(0, 0, 500, 400));
    Must(area->SetCaptionExpression(U(kCaption)));
    Must(area->SetCountExpression(U(state.range(0) == 1000 ? kCount1000 : kCount10M)));
    for (auto _ : state) {
      area->UpdateLayout();
      // Drops the nine visible cells, which reloads them.
      Must(area->UpdateData(kZVUpdatePurge, 1, 9));
    }
    state.counters["cells"] = static_cast<double>(area->GetCellCount());
  }
  FourD::Deinit();
  zvhost::ResetHost();
}
BENCHMARK(BM_LayoutAndLoadVisibleCells)->Arg(1000)->Arg(10000000);

} // namespace

#endif
