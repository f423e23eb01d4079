#include "app/qt/tab_bar_strip.h"

#include <QtGui/QPainter>
#include <QtWidgets/QTabBar>

namespace vellumar {

struct TabBarStrip::Memory {};

TabBarStrip::TabBarStrip() : memory_(std::make_unique<Memory>()) {}
TabBarStrip::~TabBarStrip() = default;

bool TabBarStrip::Paint(const QTabBar&, const TabLook&, QPainter&, const QRegion&) { return false; }

void TabBarStrip::Forget() { memory_ = std::make_unique<Memory>(); }

}  // namespace vellumar
