// The largest tab lists through the Qt faces, as forms build them: VellumarTabStrip's tabs property
// (BM_SetTabs: a new strip given n tabs, BM_SetTabsAgain: a strip of n tabs given n other captions and
// widths), and VellumarTabWidget filled page by page as QUiLoader fills a QTabWidget (BM_TabWidgetPages:
// each page made with a line edit, then added with its title; keyed titles carry an access key; QTabBar
// lays all its tabs out for each tab it gets, which makes this quadratic). The /1 variants run with
// accessibility on, a screen reader's listener taking every announcement. Times are this thread's CPU
// time for the whole build, in milliseconds; the goal is 100,000 tabs under 1 s, and pages at the pace of
// QTabWidget.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <benchmark/benchmark.h>

#include <QtGui/QAccessible>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>
#include <cstdint>
#include <memory>

#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "bench/bench_support.h"

namespace vellumar {
namespace {

int64_t announced = 0;

void CountAnnouncement(QAccessibleEvent*) {
  ++announced;
}

void IgnoreRootObject(QObject*) {}

// Switches accessibility on or off as an assistive technology does, through the platform.
void SetActive(bool active) {
  QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
  QPlatformAccessibility* accessibility = integration != nullptr ? integration->accessibility() : nullptr;
  if (accessibility != nullptr) accessibility->setActive(active);
}

// Accessibility as a screen reader switches it on, with the widget's interface made, for as long as it lives.
class Listening {
 public:
  Listening(QWidget& widget, bool on) : on_(on) {
    if (!on_) return;
    previous_ = QAccessible::installUpdateHandler(&CountAnnouncement);
    previous_root_ = QAccessible::installRootObjectHandler(&IgnoreRootObject);
    SetActive(true);
    static_cast<void>(QAccessible::queryAccessibleInterface(&widget));
  }
  ~Listening() {
    if (!on_) return;
    SetActive(false);
    QAccessible::installUpdateHandler(previous_);
    QAccessible::installRootObjectHandler(previous_root_);
  }
  Listening(const Listening&) = delete;
  Listening& operator=(const Listening&) = delete;

 private:
  bool on_;
  QAccessible::UpdateHandler previous_ = nullptr;
  QAccessible::RootObjectHandler previous_root_ = nullptr;
};

QStringList Entries(int64_t n, const QString& prefix, int width) {
  QStringList entries;
  entries.reserve(n);
  for (int64_t i = 1; i <= n; ++i) entries << QStringLiteral("%1 %2|%3").arg(prefix).arg(i).arg(width);
  return entries;
}

void BM_SetTabs(benchmark::State& state) {
  const QStringList entries = Entries(state.range(0), QStringLiteral("&Tab"), 60);
  for (auto _ : state) {
    VellumarTabStrip strip;
    strip.resize(800, 200);
    Listening listening(strip, state.range(1) != 0);
    const double start = bench::ThreadSeconds();
    strip.setTabs(entries);
    state.SetIterationTime(bench::ThreadSeconds() - start);
    if (strip.count() != entries.size()) state.SkipWithError("tabs lost");
    if ((state.range(1) != 0) != QAccessible::isActive()) state.SkipWithError("accessibility not as asked");
  }
}

void BM_SetTabsAgain(benchmark::State& state) {
  const QStringList first = Entries(state.range(0), QStringLiteral("Tab"), 60);
  const QStringList second = Entries(state.range(0), QStringLiteral("&Seite"), 70);
  for (auto _ : state) {
    VellumarTabStrip strip;
    strip.resize(800, 200);
    strip.setTabs(first);
    Listening listening(strip, state.range(1) != 0);
    const double start = bench::ThreadSeconds();
    strip.setTabs(second);
    state.SetIterationTime(bench::ThreadSeconds() - start);
    if (strip.tabs() != second) state.SkipWithError("tabs differ");
  }
}

// A strip sized before it is shown, as a form sizes it, given its tabs one by one through addTab.
void BM_AddTabs(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    VellumarTabStrip strip;
    strip.resize(800, 200);
    Listening listening(strip, state.range(1) != 0);
    const double start = bench::ThreadSeconds();
    for (int i = 0; i < n; ++i) strip.addTab(QStringLiteral("&Tab %1").arg(i + 1), 60);
    state.SetIterationTime(bench::ThreadSeconds() - start);
    if (strip.count() != n + 1) state.SkipWithError("tabs lost");
  }
}

// Seconds to fill a tab widget of type Tabs with n pages, in a window between two line edits.
template <typename Tabs>
double FillSeconds(const benchmark::State& state, int n, QStyle* style = nullptr) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLineEdit(&window));
  auto* tabs = new Tabs(&window);
  if (style != nullptr) {
    tabs->setStyle(style);
    tabs->tabBar()->setStyle(style);
  }
  layout->addWidget(tabs);
  layout->addWidget(new QLineEdit(&window));
  window.resize(800, 600);
  Listening listening(*tabs->tabBar(), state.range(1) != 0);
  const double start = bench::ThreadSeconds();
  for (int i = 0; i < n; ++i) {
    auto* page = new QWidget(tabs);
    new QLineEdit(page);
    tabs->addTab(page, QStringLiteral("%1Seite %2").arg(state.range(2) != 0 ? "&" : "").arg(i + 1));
  }
  const double seconds = bench::ThreadSeconds() - start;
  if (tabs->count() != n) return -1;
  // Qt asks every new widget to polish itself through a posted event; taken before the widgets go, so that
  // the teardown does not search the queue once for each.
  QCoreApplication::sendPostedEvents();
  return seconds;
}

// VellumarTabWidget beside a QTabWidget in Fusion: both lay out all their tabs for each new one.
void BM_TabWidgetPages(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  for (auto _ : state) {
    const double seconds = FillSeconds<VellumarTabWidget>(state, n);
    const double qt_seconds = FillSeconds<QTabWidget>(state, n, fusion.get());
    if (seconds < 0 || qt_seconds < 0) state.SkipWithError("pages lost");
    state.SetIterationTime(seconds);
    state.counters["qtabwidget_ms"] = qt_seconds * 1e3;
    state.counters["ratio_qtabwidget"] = qt_seconds > 0 ? seconds / qt_seconds : 0;
  }
}

// One build per run, timed whole, at two sizes, with accessibility off and on, and with and without access
// keys in the captions where keys is set.
void Sizes(benchmark::internal::Benchmark* b, const char* what, int64_t small, int64_t large,
           bool keys = false) {
  if (keys) {
    b->ArgNames({what, "a11y", "keyed"})->ArgsProduct({{small, large}, {0, 1}, {0, 1}});
  } else {
    b->ArgNames({what, "a11y"})->ArgsProduct({{small, large}, {0, 1}});
  }
  b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_SetTabs)->Apply([](auto* b) { Sizes(b, "tabs", 10000, 100000); });
BENCHMARK(BM_SetTabsAgain)->Apply([](auto* b) { Sizes(b, "tabs", 10000, 100000); });
BENCHMARK(BM_AddTabs)->Apply([](auto* b) { Sizes(b, "tabs", 2000, 10000); });
BENCHMARK(BM_TabWidgetPages)->Apply([](auto* b) { Sizes(b, "pages", 500, 2000, true); });

}  // namespace
}  // namespace vellumar
