#include "app/qt/vellumar_tab_widget.h"

#include <QtCore/QEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStackedWidget>

#include "app/qt/tab_look.h"
#include "app/qt/vellumar_style.h"
#include "app/qt/vellumar_tab_bar.h"
#include "app/qt/vellumar_tab_widget_p.h"

namespace vellumar {

VellumarTabWidget::VellumarTabWidget(QWidget* parent)
    : QTabWidget(parent), d_(std::make_unique<Private>(Private{new VellumarTabBar(this)})) {
  // The name QTabWidget gives its own bar, which style sheets and tools look for.
  d_->bar->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
  setTabBar(d_->bar);
  // setTabBar makes the bar's tabs expanding, which the control's heads are not (see VellumarTabBar).
  d_->bar->setExpanding(false);
  if (qobject_cast<VellumarStyle*>(QApplication::style()) == nullptr) setStyle(VellumarStyle::shared());
  connect(d_->bar, &VellumarTabBar::tabEntered, this, &VellumarTabWidget::tabEntered);
  connect(d_->bar, &VellumarTabBar::tabLeft, this, &VellumarTabWidget::tabLeft);
  connect(d_->bar, &VellumarTabBar::lookChanged, this, &VellumarTabWidget::FollowPageColour);
  FollowPageColour();
}

VellumarTabWidget::~VellumarTabWidget() {
  // The bar goes after this object; what it says then must not reach it.
  tabBar()->disconnect(this);
}

VellumarTabBar* VellumarTabWidget::vellumarTabBar() const {
  return d_->bar;
}

void VellumarTabWidget::setTabWidth(int index, int pixels) {
  d_->bar->setTabWidth(index, pixels);
}

int VellumarTabWidget::tabWidth(int index) const {
  return d_->bar->tabWidth(index);
}

VellumarTabWidget::Alignment VellumarTabWidget::alignment() const {
  return tabPosition() == South ? Bottom : Top;
}

void VellumarTabWidget::setAlignment(Alignment alignment) {
  setTabPosition(alignment == Bottom ? South : North);
}

void VellumarTabWidget::changeEvent(QEvent* event) {
  QTabWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) FollowPageColour();
}

// The style fills the page area in the back colour, which a dark palette's light text would not read on.
void VellumarTabWidget::FollowPageColour() {
  auto* pages =
      findChild<QStackedWidget*>(QStringLiteral("qt_tabwidget_stackedwidget"), Qt::FindDirectChildrenOnly);
  if (pages == nullptr) return;
  const QPalette wanted = PagePalette(pages->palette(), backColor());
  if (wanted != pages->palette()) pages->setPalette(wanted);
}

}  // namespace vellumar
