// Timing helpers the benchmarks share. Times are this thread's CPU time: on a busy machine wall time charges
// other processes to whichever of two measurements they happen to interrupt.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

namespace vellumar::bench {

inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs floor() and work() once per iteration, back to back so that both meet the same cache and clock
// conditions, and reports work's time (for UseManualTime) with the ratio of the two totals. The memory
// clobbers keep the compiler from dropping the floor's stores as dead.
template <typename Floor, typename Work>
void PairedRun(benchmark::State& state, Floor floor, Work work) {
  double floor_total = 0;
  double work_total = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    floor();
    benchmark::ClobberMemory();
    const double t1 = ThreadSeconds();
    work();
    benchmark::ClobberMemory();
    const double t2 = ThreadSeconds();
    floor_total += t1 - t0;
    work_total += t2 - t1;
    state.SetIterationTime(t2 - t1);
  }
  state.counters["ratio_to_floor"] = work_total / floor_total;
  state.counters["floor_us"] = floor_total / static_cast<double>(state.iterations()) * 1e6;
}

}  // namespace vellumar::bench
