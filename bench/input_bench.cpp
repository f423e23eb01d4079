// The pointer moving within the hot tab of a strip of 200 tabs: the hit tests and the events, no repaint.
#include <benchmark/benchmark.h>

#include "control/headless_host.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

constexpr int32_t kTabs = 200;

void BM_MouseMoveWithinTheHotTab(benchmark::State& state) {
  HeadlessHost host;
  Vellumar control(host, &host);
  host.Attach(&control);
  control.InitProperties();
  for (int32_t i = 2; i <= kTabs; ++i) control.AddTab();
  host.Resize(1920, 200);
  // Tab 2's head spans x = 64 .. 123; the first move makes it hot and repaints once.
  host.SetCursor(Point{90, 10});
  control.MouseMove(0, 0, 90, 10);
  const int64_t paints = host.refresh_count();
  for (auto _ : state) control.MouseMove(0, 0, 90, 10);
  if (host.refresh_count() != paints) state.SkipWithError("a move within the hot tab repainted");
}
BENCHMARK(BM_MouseMoveWithinTheHotTab);

}  // namespace
}  // namespace vellumar
