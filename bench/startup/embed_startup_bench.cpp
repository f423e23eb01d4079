// Start-up of examples/embed against the same program built on QTabWidget: each round starts the two
// programs one after the other as child processes on the offscreen platform with --quit-after 0, so that
// each shows its dialog, runs its event loop once and ends. Wall time is from the spawn to the child's end;
// CPU time is the child's user and system time from wait4. Counters: the medians over the rounds in
// milliseconds and the tab widget's over QTabWidget's (ratio_wall, ratio_cpu).
//
// The order within a round alternates, so that neither program always follows the other into a warm cache.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace vellumar {
namespace {

struct Run {
  double wall_ms = 0;
  double cpu_ms = 0;
};

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

double MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The environment of this process with the offscreen platform, whatever it had.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0) env.emplace_back(*e);
  }
  env.emplace_back("QT_QPA_PLATFORM=offscreen");
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Starts program with --quit-after 0, its output and Qt's warnings to /dev/null, and waits for it.
Run Start(const char* program) {
  std::vector<std::string> args = {program, "--quit-after", "0"};
  std::vector<std::string> env = ChildEnvironment();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  const double start = MonotonicSeconds();
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program, &actions, nullptr, Pointers(args).data(), Pointers(env).data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error(std::string("cannot start ") + program);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(std::string(program) + " did not end well");
  }
  const double wall = MonotonicSeconds() - start;
  return Run{wall * 1e3, (Seconds(usage.ru_utime) + Seconds(usage.ru_stime)) * 1e3};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void BM_EmbedStartup(benchmark::State& state) {
  const std::array<const char*, 2> programs = {VELLUMAR_EMBED, VELLUMAR_EMBED_QTABWIDGET};
  const auto rounds = static_cast<int>(state.range(0));
  std::array<std::vector<double>, 2> wall;
  std::array<std::vector<double>, 2> cpu;
  for (auto _ : state) {
    try {
      // One unmeasured start of each brings the libraries into the page cache.
      for (const char* program : programs) Start(program);
      for (int r = 0; r < rounds; ++r) {
        for (size_t i = 0; i < programs.size(); ++i) {
          const size_t k = r % 2 == 0 ? i : programs.size() - 1 - i;
          const Run run = Start(programs[k]);
          wall[k].push_back(run.wall_ms);
          cpu[k].push_back(run.cpu_ms);
        }
      }
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      return;
    }
  }
  state.counters["vellumar_wall_ms"] = Median(wall[0]);
  state.counters["qt_wall_ms"] = Median(wall[1]);
  state.counters["vellumar_cpu_ms"] = Median(cpu[0]);
  state.counters["qt_cpu_ms"] = Median(cpu[1]);
  state.counters["ratio_wall"] = Median(wall[0]) / Median(wall[1]);
  state.counters["ratio_cpu"] = Median(cpu[0]) / Median(cpu[1]);
}
BENCHMARK(BM_EmbedStartup)->ArgName("rounds")->Arg(10)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumar

BENCHMARK_MAIN();
