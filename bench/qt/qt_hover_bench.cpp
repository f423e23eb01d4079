// What a user feels, through Qt on the offscreen platform: VellumarTabStrip and VellumarTabWidget beside
// QTabWidget in Qt's Windows and Fusion styles, the pointer moving between tab 1 and tab 2 (BM_Hover), clicks
// between them that change the selection (BM_Click) and a full repaint of the tab bar (BM_BarRepaint), at
// five sizes.
//
// Every change is followed by processEvents(), so it includes Qt's repaint of what changed. Each result is
// the median, over kRounds rounds of kChanges changes, of this thread's CPU time per change; the rounds of
// the three widgets take turns, so that all three meet the same machine. Counters: microseconds per change
// for each widget, the strip's time over QTabWidget's in the Windows style (ratio_windows) and
// VellumarTabWidget's over QTabWidget's in the Fusion style (ratio_fusion).
//
// QTabWidget's tab bar gets hover tracking, as the desktop styles that light up the tab under the pointer
// give it; without it a tab bar repaints nothing on a hover.
#include <benchmark/benchmark.h>

#include <QtCore/QStringList>
#include <QtGui/QCursor>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "bench/bench_support.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

constexpr int kRounds = 9;
constexpr int kChanges = 200;
constexpr int kTabWidth = 60;

// A window under test and the two points the pointer goes between.
struct Contender {
  QWidget* window = nullptr;
  QPoint first;
  QPoint second;
};

// The offscreen platform hands a cursor move to the window under it as a mouse move, as a window system does.
void PointerTo(QWidget& window, QPoint at) {
  QCursor::setPos(window.mapToGlobal(at));
  QCoreApplication::processEvents();
}

// The contender's window alone is shown, at the screen's origin, with the pointer on its first point.
void ShowAlone(const Contender& c) {
  c.window->move(0, 0);
  c.window->show();
  static_cast<void>(QTest::qWaitForWindowExposed(c.window));
  PointerTo(*c.window, c.first);
}

enum class Change { kHover, kClick, kBarRepaint };

// Microseconds per change in one round of kChanges changes, starting on the second point.
double Round(const Contender& c, Change change) {
  ShowAlone(c);
  QWidget* bar = c.window->childAt(c.first) != nullptr ? c.window->childAt(c.first) : c.window;
  const double start = bench::ThreadSeconds();
  for (int i = 0; i < kChanges; ++i) {
    if (change == Change::kBarRepaint) {
      bar->repaint();
      continue;
    }
    const QPoint at = i % 2 == 0 ? c.second : c.first;
    PointerTo(*c.window, at);
    if (change == Change::kClick) {
      QTest::mouseClick(c.window, Qt::LeftButton, Qt::NoModifier, at);
      QCoreApplication::processEvents();
    }
  }
  const double seconds = bench::ThreadSeconds() - start;
  c.window->hide();
  return seconds / kChanges * 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A tab widget's window, with the pointer going between its first two tabs.
Contender FirstTwoTabs(QTabWidget& widget) {
  QTabBar* bar = widget.tabBar();
  return Contender{&widget, bar->mapTo(&widget, bar->tabRect(0).center()),
                   bar->mapTo(&widget, bar->tabRect(1).center())};
}

struct QtTabs {
  QtTabs(const char* style_name, int width, int height, int tabs) : style(QStyleFactory::create(style_name)) {
    widget.setStyle(style.get());
    widget.tabBar()->setStyle(style.get());
    widget.tabBar()->setAttribute(Qt::WA_Hover);
    for (int i = 1; i <= tabs; ++i) widget.addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
    widget.resize(width, height);
  }
  Contender Points() { return FirstTwoTabs(widget); }
  std::unique_ptr<QStyle> style;
  QTabWidget widget;
};

struct VellumarTabs {
  VellumarTabs(int width, int height, int tabs) {
    for (int i = 1; i <= tabs; ++i) widget.addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
    widget.resize(width, height);
  }
  Contender Points() { return FirstTwoTabs(widget); }
  VellumarTabWidget widget;
};

struct Strip {
  Strip(int width, int height, int tabs) {
    QStringList entries;
    for (int i = 1; i <= tabs; ++i) entries << QStringLiteral("Tab %1|%2").arg(i).arg(kTabWidth);
    widget.setTabs(entries);
    widget.resize(width, height);
  }
  // Heads 60 wide from x = 2, with one free column between them; the strip is 22 rows high.
  Contender Points() { return Contender{&widget, QPoint(32, 11), QPoint(32 + kTabWidth + 2, 11)}; }
  VellumarTabStrip widget;
};

void Compare(benchmark::State& state, Change change) {
  const auto width = static_cast<int>(state.range(0));
  const auto height = static_cast<int>(state.range(1));
  const auto tabs = static_cast<int>(state.range(2));
  Strip strip(width, height, tabs);
  QtTabs windows("Windows", width, height, tabs);
  QtTabs fusion("Fusion", width, height, tabs);
  VellumarTabs vellumar(width, height, tabs);
  const std::array<Contender, 4> contenders = {strip.Points(), windows.Points(), fusion.Points(),
                                               vellumar.Points()};
  std::array<std::vector<double>, 4> rounds;
  for (auto _ : state) {
    for (int r = 0; r < kRounds; ++r) {
      for (size_t k = 0; k < contenders.size(); ++k) rounds[k].push_back(Round(contenders[k], change));
    }
  }
  const double strip_us = Median(rounds[0]);
  const double windows_us = Median(rounds[1]);
  // The control repaints its whole window, the tab widgets their bars alone: only hover and click compare
  // them.
  if (change != Change::kBarRepaint) {
    state.counters["strip_us"] = strip_us;
    state.counters["windows_us"] = windows_us;
    state.counters["ratio_windows"] = strip_us / windows_us;
  }
  const double fusion_us = Median(rounds[2]);
  const double tab_widget_us = Median(rounds[3]);
  state.counters["fusion_us"] = fusion_us;
  state.counters["tabwidget_us"] = tab_widget_us;
  state.counters["ratio_fusion"] = tab_widget_us / fusion_us;
}

void BM_Hover(benchmark::State& state) {
  Compare(state, Change::kHover);
}
void BM_Click(benchmark::State& state) {
  Compare(state, Change::kClick);
}
void BM_BarRepaint(benchmark::State& state) {
  Compare(state, Change::kBarRepaint);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "tabs"});
  for (const auto& size : std::vector<std::vector<int64_t>>{
           {300, 200, 2}, {800, 600, 20}, {1920, 200, 20}, {1920, 1080, 20}, {1920, 1080, 200}}) {
    b->Args(size);
  }
  b->Iterations(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Hover)->Apply(Sizes);
BENCHMARK(BM_Click)->Apply(Sizes);
BENCHMARK(BM_BarRepaint)->Apply(Sizes);

}  // namespace
}  // namespace vellumar

int main(int argc, char** argv) {
  // Offscreen unless told otherwise: the benchmark needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
