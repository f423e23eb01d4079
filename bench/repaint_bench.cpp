// Repaints through the control on the headless host:
//   BM_FullRepaint    DrawTab after the image was lost (as after a resize), beside one memset of the same
//                     surface, and its scaling over the tab count;
//   BM_HoverRepaint   the pointer moving from tab 1 to tab 2 and back, which repaints the heads that changed;
//   BM_AddTabScript   a vellumar script of N AddTab lines, run in process.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"
#include "bench/bench_support.h"
#include "control/headless_host.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

// Tab 1's head spans x = 2 .. 61 and tab 2's x = 64 .. 123 on the 22-pixel strip of a new control.
constexpr float kOnTab1 = 30;
constexpr float kOnTab2 = 90;
constexpr float kStripY = 10;

// A new control of w x h with the given number of captioned tabs, tab 1 selected, tab 2 hot, focused.
struct Strip {
  Strip(int32_t width, int32_t height, int32_t tabs) {
    host.Attach(&control);
    control.InitProperties();
    control.SetTabCaption(1, "Reg&ister 1");
    for (int32_t i = 2; i <= tabs; ++i) {
      int32_t tab_width = 60;
      std::string caption = "Reg&ister " + std::to_string(i);
      StdPictureRef picture;
      control.AddTab(tab_width, caption, picture);
    }
    host.Resize(width, height);
    control.GotFocus();
    Hover(kOnTab2);
  }
  ~Strip() { host.Attach(nullptr); }
  Strip(const Strip&) = delete;
  Strip& operator=(const Strip&) = delete;

  void Hover(float x) {
    host.SetCursor(Point{static_cast<int32_t>(x), static_cast<int32_t>(kStripY)});
    control.MouseMove(0, 0, x, kStripY);
  }

  HeadlessHost host;
  Vellumar control{host, &host};
};

// Arguments: surface width, height, number of tabs.
void BM_FullRepaint(benchmark::State& state) {
  Strip strip(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
              static_cast<int32_t>(state.range(2)));
  Bitmap& pixels = *strip.host.hDC().bitmap();
  const size_t bytes = pixels.pixels().size() * sizeof(uint32_t);
  bench::PairedRun(
      state, [&] { std::memset(pixels.pixels().data(), 0x5A, bytes); },
      [&] {
        strip.host.surface().MarkChanged();
        strip.control.DrawTab();
      });
}
BENCHMARK(BM_FullRepaint)
    ->ArgNames({"w", "h", "tabs"})
    ->Args({300, 200, 2})
    ->Args({800, 600, 20})
    ->Args({1920, 1080, 20})
    ->Args({1920, 1080, 200})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// Beyond the 32 heads a full-HD strip shows, more tabs cost nothing.
BENCHMARK(BM_FullRepaint)
    ->Name("BM_FullRepaintScaling")
    ->ArgNames({"w", "h", "tabs"})
    ->Args({1920, 1080, 4})
    ->Args({1920, 1080, 16})
    ->Args({1920, 1080, 32})
    ->Args({1920, 1080, 1000})
    ->Args({1920, 1080, 100000})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One hover change per iteration, alternating between tab 1 and tab 2.
void BM_HoverRepaint(benchmark::State& state) {
  Strip strip(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
              static_cast<int32_t>(state.range(2)));
  bool first = true;
  const int64_t paints = strip.host.refresh_count();
  for (auto _ : state) {
    strip.Hover(first ? kOnTab1 : kOnTab2);
    first = !first;
  }
  if (strip.host.refresh_count() - paints != state.iterations())
    state.SkipWithError("a hover did not repaint");
}
BENCHMARK(BM_HoverRepaint)
    ->ArgNames({"w", "h", "tabs"})
    ->Args({300, 200, 2})
    ->Args({800, 600, 20})
    ->Args({1920, 200, 20})
    ->Args({1920, 1080, 20})
    ->Args({1920, 1080, 200})
    ->Unit(benchmark::kMicrosecond);

// Argument: the number of AddTab lines after "new".
void BM_AddTabScript(benchmark::State& state) {
  std::string text = "new 300 200\n";
  for (int64_t i = 0; i < state.range(0); ++i) text += "call AddTab\n";
  const std::vector<ScriptCommand> commands = ParseScript(text);
  for (auto _ : state) {
    std::ostringstream out;
    ScriptRunner runner(out);
    runner.Run(commands);
    benchmark::DoNotOptimize(out.tellp());
  }
  state.counters["lines"] = static_cast<double>(commands.size());
}
BENCHMARK(BM_AddTabScript)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumar
