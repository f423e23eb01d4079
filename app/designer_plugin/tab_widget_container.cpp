#include "app/designer_plugin/tab_widget_container.h"

#include "app/designer_plugin/extension_factory.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {

TabWidgetContainer::TabWidgetContainer(VellumarTabWidget* widget, QObject* parent)
    : QObject(parent), tabs_(widget) {}

int TabWidgetContainer::count() const {
  return tabs_ ? tabs_->count() : 0;
}

QWidget* TabWidgetContainer::widget(int index) const {
  return tabs_ ? tabs_->widget(index) : nullptr;
}

int TabWidgetContainer::currentIndex() const {
  return tabs_ ? tabs_->currentIndex() : -1;
}

void TabWidgetContainer::setCurrentIndex(int index) {
  if (tabs_) tabs_->setCurrentIndex(index);
}

void TabWidgetContainer::addWidget(QWidget* page) {
  insertWidget(count(), page);
}

void TabWidgetContainer::insertWidget(int index, QWidget* page) {
  if (!tabs_ || page == nullptr) return;
  const bool untitled = page->windowTitle().isEmpty();
  if (untitled) page->setWindowTitle(QStringLiteral("Register %1").arg(count() + 1));
  tabs_->insertTab(index, page, page->windowTitle());
  if (untitled) MarkTitleChanged(page);
}

void TabWidgetContainer::remove(int index) {
  if (tabs_) tabs_->removeTab(index);
}

}  // namespace vellumar
