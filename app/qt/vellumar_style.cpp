#include "app/qt/vellumar_style.h"

#include <QtCore/QPointer>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QStyleOption>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>
#include <algorithm>
#include <cmath>

#include "app/qt/tab_buttons.h"
#include "app/qt/tab_head_image.h"
#include "app/qt/tab_look.h"
#include "app/qt/vellumar_tab_bar.h"
#include "platform/drawing/device_context.h"
#include "render/tab_painter_common.h"

namespace vellumar {
namespace {

bool IsVertical(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedWest || shape == QTabBar::RoundedEast || shape == QTabBar::TriangularWest ||
         shape == QTabBar::TriangularEast;
}

bool IsSouth(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedSouth || shape == QTabBar::TriangularSouth;
}
bool IsWest(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedWest || shape == QTabBar::TriangularWest;
}
bool IsEast(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedEast || shape == QTabBar::TriangularEast;
}

// Device pixels per logical pixel of what painter paints on: fractional ratios are painted at the next whole
// ratio and scaled down by Qt.
int DeviceScale(const QPainter* painter) {
  const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
  return std::clamp(static_cast<int>(std::ceil(ratio - 1e-6)), 1, static_cast<int>(DeviceContext::kMaxScale));
}

// What a paint can show: the painter's clip, else the widget, else the tab with its neighbours' reach.
QRect PaintBounds(const QPainter* painter, const QWidget* widget, const QRect& fallback) {
  if (painter->hasClipping()) return painter->clipBoundingRect().toAlignedRect();
  if (widget != nullptr) return widget->rect();
  return fallback.adjusted(-8, -8, 8, 8);
}

void DrawHead(QPainter* painter, const QStyleOptionTab& tab, const QWidget* widget, const TabLook& look,
              HeadContent content) {
  const TabHeadImage head = PaintTabHeadImage(tab, widget, look, content, DeviceScale(painter),
                                              PaintBounds(painter, widget, tab.rect));
  if (head.image.isNull()) return;
  painter->save();
  painter->setTransform(head.placement, true);
  painter->drawImage(QPoint(0, 0), head.image);
  if (!head.icon_area.isEmpty()) {
    const bool enabled = (tab.state & QStyle::State_Enabled) != 0;
    tab.icon.paint(painter, head.icon_area, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
  }
  painter->restore();
}

// The page under a tab widget's pages: the page colour inside the frame, and the strip's background along
// the tab side for a bar that does not reach across.
void DrawPane(QPainter* painter, const QStyleOptionTabWidgetFrame& frame, const TabLook& look) {
  const QRect& pane = frame.rect;
  const int strip = std::max(0, frame.tabBarSize.height() - kPageRowsInTab);
  const int strip_across = std::max(0, frame.tabBarSize.width() - kPageRowsInTab);
  QRect band;
  if (IsSouth(frame.shape)) {
    band = QRect(pane.left(), pane.bottom() + 1, pane.width(), strip);
  } else if (IsWest(frame.shape)) {
    band = QRect(pane.left() - strip_across, pane.top(), strip_across, pane.height());
  } else if (IsEast(frame.shape)) {
    band = QRect(pane.right() + 1, pane.top(), strip_across, pane.height());
  } else {
    band = QRect(pane.left(), pane.top() - strip, pane.width(), strip);
  }
  painter->fillRect(band, QColorOfOle(look.colors.back_form));
  // The control clears its page to its background colour and frames it one pixel wide.
  painter->fillRect(pane, QColorOfOle(look.colors.frame));
  painter->fillRect(pane.adjusted(1, 1, -1, -1), QColorOfOle(look.colors.back));
}

// A document-mode bar's base: the row along the pages in the frame colour, the rest in the page colour.
void DrawBarBase(QPainter* painter, const QStyleOptionTabBarBase& base, const TabLook& look) {
  painter->fillRect(base.rect, QColorOfOle(look.colors.back));
  QRect line = base.rect;
  if (IsSouth(base.shape)) {
    line.setBottom(line.top());
  } else if (IsWest(base.shape)) {
    line.setRight(line.left());
  } else if (IsEast(base.shape)) {
    line.setLeft(line.right());
  } else {
    line.setTop(line.bottom());
  }
  painter->fillRect(line, QColorOfOle(look.colors.frame));
}

QRect ContentsOfPane(const QRect& pane, QTabBar::Shape shape) {
  if (IsSouth(shape)) return pane.adjusted(1, 1, -1, -kPageRowsInTab);
  if (IsWest(shape)) return pane.adjusted(kPageRowsInTab, 1, -1, -1);
  if (IsEast(shape)) return pane.adjusted(1, 1, -kPageRowsInTab, -1);
  return pane.adjusted(1, kPageRowsInTab, -1, -1);
}

// A bar with its own look reaches across the tab widget, as the control's strip does, less the corners.
QRect BarAcross(const QStyleOptionTabWidgetFrame& frame) {
  const QRect& r = frame.rect;
  const QSize bar = frame.tabBarSize;
  if (IsVertical(frame.shape)) {
    const int top = frame.leftCornerWidgetSize.height();
    const int height = std::max(0, r.height() - top - frame.rightCornerWidgetSize.height());
    const int x = IsEast(frame.shape) ? r.right() + 1 - bar.width() : r.left();
    return QRect(x, r.top() + top, bar.width(), height);
  }
  const int left = frame.leftCornerWidgetSize.width();
  const int width = std::max(0, r.width() - left - frame.rightCornerWidgetSize.width());
  const int y = IsSouth(frame.shape) ? r.bottom() + 1 - bar.height() : r.top();
  return QRect(r.left() + left, y, width, bar.height());
}

// A horizontal tab's buttons stand inside its head, beside the caption that starts at the head's left edge in
// either direction: the left button before it, the right button at the head's right end; upright in the
// strip's rows.
QRect ButtonInTab(const QStyleOptionTab& tab, bool right) {
  const QSize size = right ? tab.rightButtonSize : tab.leftButtonSize;
  if (size.isEmpty()) return {};
  const QRect& r = tab.rect;
  const int strip = std::max(0, r.height() - kPageRowsInTab);
  const int top = r.top() + (IsSouth(tab.shape) ? kPageRowsInTab : 0) + (strip - size.height()) / 2;
  const int left = right ? r.right() + 1 - kHeadGap - kTabButtonMargin - size.width()
                         : r.left() + (tab.tabIndex == 0 ? kFirstHeadLeft : 0) + kTabButtonMargin;
  return QRect(QPoint(left, top), size);
}

// The room a caption has in its head without running under the picture or a button: the caption starts
// its inset past the picture and keeps the same inset before the right button or the head's end. QTabBar
// elides its captions to this width.
QRect CaptionRoom(const QStyleOptionTab& tab) {
  const bool vertical = IsVertical(tab.shape);
  const QRect& r = tab.rect;
  const int64_t extent = vertical ? r.height() : r.width();
  const int64_t lead = tab.tabIndex == 0 ? kFirstHeadLeft : 0;
  const auto inset = static_cast<int64_t>(kCaptionInset);
  const auto along = [vertical](const QSize& size) {
    return int64_t{vertical ? size.height() : size.width()};
  };
  int64_t begin = lead + (tab.icon.isNull() ? 0 : along(tab.iconSize)) + inset;
  if (!tab.leftButtonSize.isEmpty())
    begin = std::max(begin, lead + 2 * kTabButtonMargin + along(tab.leftButtonSize));
  int64_t end = extent - kHeadGap - inset;
  if (!tab.rightButtonSize.isEmpty()) end -= kTabButtonMargin + along(tab.rightButtonSize);
  const auto first = static_cast<int>(std::clamp<int64_t>(begin, 0, extent));
  const auto width = static_cast<int>(std::clamp<int64_t>(end - begin, 0, extent - first));
  return vertical ? QRect(r.left(), r.top() + first, r.width(), width)
                  : QRect(r.left() + first, r.top(), width, r.height());
}

bool BarHasOwnLook(const QWidget* widget) {
  const auto* tabs = qobject_cast<const QTabWidget*>(widget);
  return tabs != nullptr && !tabs->documentMode() &&
         qobject_cast<const VellumarTabBar*>(tabs->tabBar()) != nullptr;
}

bool IsTabBarButton(const QWidget* widget) {
  return widget != nullptr && qobject_cast<const QTabBar*>(widget->parentWidget()) != nullptr;
}

}  // namespace

VellumarStyle::VellumarStyle(QStyle* base)
    : QProxyStyle(base), look_(std::make_unique<TabLook>(DefaultTabLook())) {}

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

void VellumarStyle::setLook(const TabLook& look) {
  *look_ = look;
}

const TabLook& VellumarStyle::lookFor(const QWidget* widget) const {
  if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) widget = tabs->tabBar();
  if (IsTabBarButton(widget)) widget = widget->parentWidget();
  if (const auto* bar = qobject_cast<const VellumarTabBar*>(widget)) return bar->tabLook();
  return *look_;
}

void VellumarStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  switch (element) {
    case PE_FrameTabWidget:
      if (const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)) {
        DrawPane(painter, *frame, lookFor(widget));
        return;
      }
      break;
    case PE_FrameTabBarBase:
      if (const auto* base = qstyleoption_cast<const QStyleOptionTabBarBase*>(option)) {
        DrawBarBase(painter, *base, lookFor(widget));
        return;
      }
      break;
    case PE_IndicatorTabClose:
      DrawCloseButton(painter, *option, lookFor(widget));
      return;
    case PE_IndicatorTabTear:
    case PE_IndicatorTabTearRight:
      return;
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void VellumarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  if (element == CE_TabBarTab || element == CE_TabBarTabShape) {
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
      DrawHead(painter, *tab, widget, lookFor(widget),
               element == CE_TabBarTab ? HeadContent::kWhole : HeadContent::kShape);
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void VellumarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
  if (control == CC_ToolButton && IsTabBarButton(widget)) {
    if (const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
      DrawScrollButton(painter, *button, lookFor(widget));
      return;
    }
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int VellumarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_TabBarTabOverlap:
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarTabShiftVertical:
      return 0;
    case PM_TabBarBaseOverlap:
      return kPageRowsInTab;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QSize VellumarStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
  if (type == CT_TabBarTab) {
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
      const TabLook& look = lookFor(widget);
      int64_t head = FittingHeadWidth(*tab, CaptionFontFor(look, widget));
      const bool vertical = IsVertical(tab->shape);
      for (const QSize& button : {tab->leftButtonSize, tab->rightButtonSize}) {
        if (!button.isEmpty()) head += (vertical ? button.height() : button.width()) + kTabButtonMargin;
      }
      const int extent =
          TabExtentOfHead(static_cast<int>(std::min<int64_t>(head, INT32_MAX)), tab->tabIndex == 0);
      const int depth = TabDepth(look.tab_height);
      return vertical ? QSize(depth, extent) : QSize(extent, depth);
    }
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

QRect VellumarStyle::subElementRect(SubElement element, const QStyleOption* option,
                                    const QWidget* widget) const {
  if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
    if (element == SE_TabBarTabText) return CaptionRoom(*tab);
    if ((element == SE_TabBarTabLeftButton || element == SE_TabBarTabRightButton) && !IsVertical(tab->shape))
      return ButtonInTab(*tab, element == SE_TabBarTabRightButton);
  }
  if (const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)) {
    if (element == SE_TabWidgetTabBar && BarHasOwnLook(widget)) return BarAcross(*frame);
    if (element == SE_TabWidgetTabContents) {
      return ContentsOfPane(QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget), frame->shape);
    }
  }
  return QProxyStyle::subElementRect(element, option, widget);
}

int VellumarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_TabBar_SelectMouseType:
      // The control selects a tab as the button goes down.
      return QEvent::MouseButtonPress;
    case SH_TabBar_Alignment:
      return Qt::AlignLeft;
    case SH_TabBar_PreferNoArrows:
      return 0;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

void VellumarStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  // Hot heads and buttons follow the pointer.
  if (qobject_cast<QTabBar*>(widget) != nullptr || IsTabBarButton(widget)) widget->setAttribute(Qt::WA_Hover);
  // Text drawn straight onto the light page stays readable under a dark palette.
  if (qobject_cast<QStackedWidget*>(widget) != nullptr && qobject_cast<QTabWidget*>(widget->parentWidget())) {
    widget->setPalette(
        PagePalette(widget->palette(), QColorOfOle(lookFor(widget->parentWidget()).colors.back)));
  }
}

void VellumarStyle::unpolish(QWidget* widget) {
  QProxyStyle::unpolish(widget);
}

}  // namespace vellumar
