#include "app/qt/vellumar_style.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>

namespace vellumar {

VellumarStyle::VellumarStyle(QStyle* base) : QProxyStyle(base), look_(DefaultTabLook()) {}

VellumarStyle::VellumarStyle(const QString& key) : VellumarStyle(QStyleFactory::create(key)) {}

VellumarStyle::~VellumarStyle() = default;

VellumarStyle* VellumarStyle::shared() {
  if (auto* own = qobject_cast<VellumarStyle*>(QApplication::style())) return own;
  static QPointer<VellumarStyle> style;
  if (!style) {
    style = new VellumarStyle(QApplication::style()->name());
    style->setParent(qApp);
  }
  return style;
}

void VellumarStyle::setLook(const TabLook& look) { look_ = look; }

const TabLook& VellumarStyle::lookFor(const QWidget* widget) const {
  if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) widget = tabs->tabBar();
  if (const auto* source = dynamic_cast<const TabLookSource*>(widget)) return source->tabLook();
  return look_;
}

void VellumarStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void VellumarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
}

void VellumarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int VellumarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize VellumarStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

QRect VellumarStyle::subElementRect(SubElement element, const QStyleOption* option,
                                    const QWidget* widget) const {
  return QProxyStyle::subElementRect(element, option, widget);
}

int VellumarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void VellumarStyle::polish(QWidget* widget) { QProxyStyle::polish(widget); }

void VellumarStyle::unpolish(QWidget* widget) { QProxyStyle::unpolish(widget); }

}  // namespace vellumar
