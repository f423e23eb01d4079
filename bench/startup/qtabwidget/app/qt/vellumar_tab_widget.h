// Stands in for the widget's header when the benchmark builds examples/embed a second time: the example's
// tab widget becomes QTabWidget itself, and nothing else in the program changes.
#pragma once

#include <QtWidgets/QTabWidget>

namespace vellumar {
using VellumarTabWidget = QTabWidget;
}  // namespace vellumar
