#include "app/qt/vellumar_tab_bar.h"

#include <QtCore/QChildEvent>
#include <QtGui/QHoverEvent>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <QtGui/QResizeEvent>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/qt/tab_bar_strip.h"
#include "app/qt/tab_look.h"
#include "app/qt/vellumar_style.h"

namespace vellumar {
namespace {

// The look's colour that which names; an unknown value names the back colour.
OleColor& ColorIn(TabStripColors& colors, VellumarTabBar::LookColor which) {
  using C = VellumarTabBar::LookColor;
  switch (which) {
    case C::kBack:
      return colors.back;
    case C::kFore:
      return colors.fore;
    case C::kForeActive:
      return colors.fore_active;
    case C::kForeHot:
      return colors.fore_hot;
    case C::kBackForm:
      return colors.back_form;
    case C::kFrame:
      return colors.frame;
    case C::kMask:
      return colors.mask;
    case C::kMouseMove0:
      return colors.hot_band[0];
    case C::kMouseMove1:
      return colors.hot_band[1];
    case C::kMouseMove2:
      return colors.hot_band[2];
    case C::kRegisterFocus0:
      return colors.focus_band[0];
    case C::kRegisterFocus1:
      return colors.focus_band[1];
    case C::kRegisterFocus2:
      return colors.focus_band[2];
  }
  return colors.back;
}

bool IsVertical(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedWest || shape == QTabBar::RoundedEast || shape == QTabBar::TriangularWest ||
         shape == QTabBar::TriangularEast;
}

// The style the bar and its buttons are given: none when the application's style paints tab bars already.
QStyle* OwnStyle() {
  if (qobject_cast<VellumarStyle*>(QApplication::style()) != nullptr) return nullptr;
  return VellumarStyle::shared();
}

void GiveStyle(QWidget& widget) {
  QStyle* style = OwnStyle();
  if (style != nullptr && widget.style() != style) widget.setStyle(style);
}

}  // namespace

struct [[gnu::visibility("hidden")]] VellumarTabBar::Private {
  TabLook look = DefaultTabLook();
  TabBarStrip strip;
  std::vector<int> widths;  // the fixed head width of each tab, 0 where it fits its contents
  int hovered = -1;         // the tab under the pointer, -1 for none
  bool stale = false;       // QTabBar's layout of a hidden bar misses a change of the fixed widths

  // Whether a tab at index or after it has a fixed width: such widths move when tabs come or go there.
  bool FixedFrom(int index) const {
    const auto from = widths.begin() + std::clamp<std::ptrdiff_t>(index, 0, std::ssize(widths));
    return std::any_of(from, widths.end(), [](int width) { return width > 0; });
  }
};

VellumarTabBar::VellumarTabBar(QWidget* parent) : QTabBar(parent), d_(std::make_unique<Private>()) {
  d_->widths.resize(static_cast<size_t>(std::max(count(), 0)));
  setAttribute(Qt::WA_Hover);
  // Every paint covers the bar's whole area, so Qt need not paint the parent under it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The control's heads keep their widths however wide the strip; the style spans the bar across a tab
  // widget, which would stretch expanding tabs.
  setExpanding(false);
  GiveStyle(*this);
  for (QAbstractButton* button : findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    GiveStyle(*button);
  }
  connect(this, &QTabBar::tabMoved, this, &VellumarTabBar::OnTabMoved);
}

VellumarTabBar::~VellumarTabBar() = default;

const TabLook& VellumarTabBar::tabLook() const {
  return d_->look;
}

void VellumarTabBar::setTabWidth(int index, int pixels) {
  if (index < 0 || index >= std::ssize(d_->widths)) return;
  int& width = d_->widths[static_cast<size_t>(index)];
  const int fixed = std::max(pixels, 0);
  if (width == fixed) return;
  width = fixed;
  LayOutTabs();
}

int VellumarTabBar::tabWidth(int index) const {
  if (index < 0 || index >= std::ssize(d_->widths)) return 0;
  return d_->widths[static_cast<size_t>(index)];
}

int VellumarTabBar::tabHeight() const {
  return d_->look.tab_height;
}

void VellumarTabBar::setTabHeight(int height) {
  const int bounded = std::clamp(height, 0, QWIDGETSIZE_MAX);
  if (bounded == d_->look.tab_height) return;
  d_->look.tab_height = bounded;
  LookChanged();
  // The text sizes QTabBar keeps stay right; its layout asks the style for every tab's size again.
  LayOutTabs();
}

QFont VellumarTabBar::captionFont() const {
  return d_->look.caption_font.value_or(font());
}

void VellumarTabBar::setCaptionFont(const QFont& font) {
  if (d_->look.caption_font == font) return;
  d_->look.caption_font = font;
  LookChanged();
  MeasureCaptionsAgain();
}

void VellumarTabBar::resetCaptionFont() {
  if (!d_->look.caption_font) return;
  d_->look.caption_font.reset();
  LookChanged();
  MeasureCaptionsAgain();
}

QColor VellumarTabBar::lookColor(LookColor which) const {
  TabStripColors colors = d_->look.colors;
  return QColorOfOle(ColorIn(colors, which));
}

void VellumarTabBar::setLookColor(LookColor which, const QColor& color) {
  TabStripColors defaults = DefaultTabLook().colors;
  OleColor& current = ColorIn(d_->look.colors, which);
  const OleColor wanted = OleColorOf(color, ColorIn(defaults, which));
  if (wanted == current) return;
  current = wanted;
  LookChanged();
}

void VellumarTabBar::LookChanged() {
  d_->strip.Forget();
  update();
  emit lookChanged();
}

// QTabBar lays its tabs out again on a resize, asking tabSizeHint for each (with the caption sizes it keeps),
// which is what a new fixed width or a width that moved to another index needs; the bar's own size hint
// follows the tabs. A hidden bar lays them out when it is shown or asked for its size, as QTabBar does: a
// program filling it tab by tab pays for one layout, not one per tab.
void VellumarTabBar::LayOutTabs() {
  d_->stale = true;
  if (isVisible()) LayOutStaleTabs();
}

// QTabBar lays its tabs out on a resize whether it is shown or not, so a hidden bar asked for its size is
// brought up to date too.
void VellumarTabBar::LayOutStaleTabs() const {
  if (!d_->stale) return;
  auto* self = const_cast<VellumarTabBar*>(this);
  d_->stale = false;
  QResizeEvent resize(size(), size());
  self->QTabBar::resizeEvent(&resize);
  self->updateGeometry();
  self->update();
}

QSize VellumarTabBar::sizeHint() const {
  LayOutStaleTabs();
  return QTabBar::sizeHint();
}

QSize VellumarTabBar::minimumSizeHint() const {
  LayOutStaleTabs();
  return QTabBar::minimumSizeHint();
}

void VellumarTabBar::showEvent(QShowEvent* event) {
  QTabBar::showEvent(event);
  LayOutStaleTabs();
}

void VellumarTabBar::MeasureCaptionsAgain() {
  QEvent change(QEvent::FontChange);
  QTabBar::changeEvent(&change);
}

QSize VellumarTabBar::tabSizeHint(int index) const {
  const QSize fitting = QTabBar::tabSizeHint(index);
  const int head = tabWidth(index);
  if (head <= 0) return fitting;
  // All the tabs together stay within the largest widget Qt makes, so that QTabBar's sums of their extents
  // cannot overflow however wide the heads are.
  const int limit = std::max(1, QWIDGETSIZE_MAX / std::max(count(), 1));
  const int extent = std::min(TabExtentOfHead(head, index == 0), limit);
  return IsVertical(shape()) ? QSize(fitting.width(), extent) : QSize(extent, fitting.height());
}

void VellumarTabBar::tabInserted(int index) {
  QTabBar::tabInserted(index);
  std::vector<int>& widths = d_->widths;
  const int at = std::clamp<int>(index, 0, static_cast<int>(widths.size()));
  const bool shifted = d_->FixedFrom(at);
  widths.insert(widths.begin() + at, 0);
  if (d_->hovered >= at) ++d_->hovered;
  // QTabBar laid the tabs out before it told of the new one, with each fixed width after it one tab early.
  if (shifted) LayOutTabs();
}

void VellumarTabBar::tabRemoved(int index) {
  QTabBar::tabRemoved(index);
  std::vector<int>& widths = d_->widths;
  if (index < 0 || index >= std::ssize(widths)) return;
  widths.erase(widths.begin() + index);
  if (d_->hovered == index) {
    d_->hovered = -1;
  } else if (d_->hovered > index) {
    --d_->hovered;
  }
  if (d_->FixedFrom(index)) LayOutTabs();
}

void VellumarTabBar::OnTabMoved(int from, int to) {
  std::vector<int>& widths = d_->widths;
  const int n = static_cast<int>(widths.size());
  if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
  const int width = widths[static_cast<size_t>(from)];
  widths.erase(widths.begin() + from);
  widths.insert(widths.begin() + to, width);
  int& hovered = d_->hovered;
  if (hovered == from) {
    hovered = to;
  } else if (from < hovered && hovered <= to) {
    --hovered;
  } else if (to <= hovered && hovered < from) {
    ++hovered;
  }
  const int low = std::min(from, to);
  if (d_->FixedFrom(low)) LayOutTabs();
}

void VellumarTabBar::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!d_->strip.Paint(*this, d_->look, painter, event->region(), d_->hovered)) {
    painter.end();
    QTabBar::paintEvent(event);
  }
}

bool VellumarTabBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
      Hover(tabAt(static_cast<QHoverEvent*>(event)->position().toPoint()));
      break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
    case QEvent::Hide:
      Hover(-1);
      break;
    default:
      break;
  }
  return QTabBar::event(event);
}

void VellumarTabBar::Hover(int index) {
  const int left = std::exchange(d_->hovered, index);
  if (left == index) return;
  if (left >= 0) emit tabLeft(left);
  if (index >= 0) emit tabEntered(index);
}

void VellumarTabBar::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::StyleChange:
      d_->strip.Forget();
      break;
    default:
      break;
  }
  QTabBar::changeEvent(event);
}

void VellumarTabBar::childEvent(QChildEvent* event) {
  QTabBar::childEvent(event);
  // The scroll and close buttons QTabBar makes are painted in the bar's style; they are given it once they
  // are whole, which they are by their first polish.
  if (event->type() != QEvent::ChildPolished) return;
  if (auto* button = qobject_cast<QAbstractButton*>(event->child())) GiveStyle(*button);
}

}  // namespace vellumar
