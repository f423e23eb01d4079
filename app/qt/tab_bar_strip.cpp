#include "app/qt/tab_bar_strip.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtWidgets/QStyleOption>
#include <QtWidgets/QTabBar>
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "app/qt/surface_image.h"
#include "app/qt/tab_head_image.h"
#include "control/icon_conversion.h"
#include "platform/drawing/client_rect_windows.h"
#include "platform/drawing/drawing_surface.h"
#include "render/paint_surface.h"
#include "render/tab_painter_common.h"
#include "render/tab_strip_painter.h"
#include "render/tab_strip_state.h"

namespace vellumar {
namespace {

// QTabBar keeps the options of a tab to itself and its subclasses; the strip reads them as the style would.
struct OptionReader : QTabBar {
  using QTabBar::initStyleOption;
};

// The bar's image: the strip at the bar's width and one row taller than the bar, the page frame's far edge
// in that row, which the bar does not show.
class BarSurface final : public PaintSurface {
 public:
  DrawingSurface& surface() { return surface_; }
  void SetClient(int32_t width, int32_t height) { windows_.SetClient(Rect{0, 0, width, height}); }

  DeviceContext& hDC() override { return surface_.dc(); }
  void Cls() override { surface_.Cls(); }
  void Invalidate(const Rect& area) override { surface_.Invalidate(area); }
  void Refresh() override { surface_.TakeDamage(); }
  uint64_t ImageSerial() override { return surface_.serial(); }
  WindowHandle hWnd() override { return 1; }
  WindowSystem& Windows() override { return windows_; }
  float ScaleX(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }
  float ScaleY(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }

 private:
  DrawingSurface surface_;
  ClientRectWindows windows_;
};

bool IsNorth(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedNorth || shape == QTabBar::TriangularNorth;
}
bool IsSouth(QTabBar::Shape shape) {
  return shape == QTabBar::RoundedSouth || shape == QTabBar::TriangularSouth;
}

int DeviceScale(const QPainter& painter) {
  const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
  return std::clamp(static_cast<int>(std::ceil(ratio - 1e-6)), 1, static_cast<int>(DeviceContext::kMaxScale));
}

std::string Utf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// What the strip shows of a bar: each tab's place, caption and icon, and which tab is selected, focused and
// under the pointer.
struct StripRead {
  struct Tab {
    QRect rect;
    QString text;
    QIcon icon;
  };
  std::vector<Tab> tabs;
  QSize icon_size;
  int selected = -1;
  int hot = -1;
  bool focus = false;
};

// What the strip remembers of a tab to tell the painter what changed inside its record.
struct TabSeen {
  QString caption;
  qint64 icon = 0;
  bool shown = false;
};

}  // namespace

struct TabBarStrip::Memory {
  TabStripState state;
  TabStripPainter painter;
  BarSurface surface;
  std::vector<TabSeen> seen;
  StripRead read;
  QFont font;
  bool font_set = false;
};

TabBarStrip::TabBarStrip() : memory_(std::make_unique<Memory>()) {}
TabBarStrip::~TabBarStrip() = default;

void TabBarStrip::Forget() {
  memory_ = std::make_unique<Memory>();
}

namespace {

// QTabBar's options of a tab elide its caption, which takes a text layout for each tab; the strip asks for
// them only where it must: for captions elided on purpose, and for the states of the tabs that may have one.
QStyleOptionTab OptionOf(const QTabBar& bar, int index) {
  QStyleOptionTab option;
  (bar.*(&OptionReader::initStyleOption))(&option, index);
  return option;
}

void ReadStates(const QTabBar& bar, int hovered, StripRead& read) {
  read.selected = -1;
  read.hot = -1;
  read.focus = false;
  for (const int index : {bar.currentIndex(), hovered}) {
    if (index < 0 || index >= std::ssize(read.tabs)) continue;
    const QStyleOptionTab option = OptionOf(bar, index);
    if (option.state & QStyle::State_Selected) {
      read.selected = index;
      read.focus = (option.state & QStyle::State_HasFocus) != 0;
    } else if (option.state & QStyle::State_MouseOver) {
      read.hot = index;
    }
  }
}

// Every tab, or false when a tab stands where the control would not put it or looks in a way its strip
// cannot show (hidden, disabled, a colour of its own, an icon drawn sharper than its picture).
bool ReadTabs(const QTabBar& bar, int scale, int hovered, StripRead& read) {
  const int count = bar.count();
  read.tabs.resize(static_cast<size_t>(count));
  read.icon_size = bar.iconSize();
  const bool elided = bar.elideMode() != Qt::ElideNone;
  const QColor text_color = bar.palette().color(bar.foregroundRole());
  int next_left = 0;
  for (int i = 0; i < count; ++i) {
    StripRead::Tab& tab = read.tabs[static_cast<size_t>(i)];
    if (!bar.isTabVisible(i) || !bar.isTabEnabled(i)) return false;
    const QColor color = bar.tabTextColor(i);
    if (color.isValid() && color != text_color) return false;
    tab.icon = bar.tabIcon(i);
    if (scale > 1 && !tab.icon.isNull()) return false;
    tab.rect = bar.tabRect(i);
    if (tab.rect.left() != next_left || tab.rect.top() != 0) return false;
    next_left = tab.rect.right() + 1;
    tab.text = elided ? OptionOf(bar, i).text : bar.tabText(i);
  }
  ReadStates(bar, hovered, read);
  return true;
}

// The strip's background with the page's edge along it, for a bar whose heads the style paints one by one:
// the bar paints every pixel it covers, so that its parent need not paint under it first.
void PaintBackground(const QTabBar& bar, const TabLook& look, QPainter& painter, const QRegion& area) {
  const QRect r = bar.rect();
  QRect page_edge;
  QRect frame_line;
  switch (bar.shape()) {
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
      page_edge = QRect(r.left(), r.top(), r.width(), kPageRowsInTab);
      frame_line = QRect(r.left(), r.top() + kPageRowsInTab - 1, r.width(), 1);
      break;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
      page_edge = QRect(r.right() + 1 - kPageRowsInTab, r.top(), kPageRowsInTab, r.height());
      frame_line = QRect(page_edge.left(), r.top(), 1, r.height());
      break;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
      page_edge = QRect(r.left(), r.top(), kPageRowsInTab, r.height());
      frame_line = QRect(r.left() + kPageRowsInTab - 1, r.top(), 1, r.height());
      break;
    default:
      page_edge = QRect(r.left(), r.bottom() + 1 - kPageRowsInTab, r.width(), kPageRowsInTab);
      frame_line = QRect(r.left(), page_edge.top(), r.width(), 1);
      break;
  }
  painter.save();
  painter.setClipRegion(area);
  painter.fillRect(r, QColorOfOle(look.colors.back_form));
  painter.fillRect(page_edge, QColorOfOle(look.colors.back));
  painter.fillRect(frame_line, QColorOfOle(look.colors.frame));
  painter.restore();
}

}  // namespace

bool TabBarStrip::Paint(const QTabBar& bar, const TabLook& look, QPainter& painter, const QRegion& area,
                        int hovered) {
  const QTabBar::Shape shape = bar.shape();
  const bool bottom = IsSouth(shape);
  // A dragged tab is painted apart from its place.
  const bool dragging = bar.isMovable() && (QGuiApplication::mouseButtons() & Qt::LeftButton);
  if ((!IsNorth(shape) && !bottom) || dragging || bar.layoutDirection() != Qt::LeftToRight ||
      bar.height() <= kPageRowsInTab) {
    PaintBackground(bar, look, painter, area);
    return false;
  }
  const int scale = DeviceScale(painter);
  StripRead& read = memory_->read;
  if (!ReadTabs(bar, scale, hovered, read)) {
    PaintBackground(bar, look, painter, area);
    return false;
  }

  Memory& m = *memory_;
  const int32_t width = bar.width();
  const int32_t height = bar.height() + 1;
  DrawingSurface& surface = m.surface.surface();
  if (surface.width() != width || surface.height() != height || surface.scale() != scale) {
    try {
      surface.Resize(width, height, scale);
    } catch (const std::exception&) {
      PaintBackground(bar, look, painter, area);
      return false;
    }
    m.surface.SetClient(width, height);
  }
  const QFont font = CaptionFontFor(look, &bar);
  if (!m.font_set || font != m.font) {
    surface.SetFont(StdFontOf(font));
    m.font = font;
    m.font_set = true;
    m.painter.Forget();
  }
  surface.SetBackColor(look.colors.back);

  TabStripState& st = m.state;
  TakeTabStripColors(st, look.colors);
  // Tab pictures come from icons, whose transparent parts carry the hidden picture box's colour.
  st.mMaskColor = HiddenPictureBox::kBackColor;
  st.mTabHeight = bar.height() - kPageRowsInTab;
  st.mAlignment = bottom ? reg_Bottom : reg_Top;
  const auto count = static_cast<int32_t>(read.tabs.size());
  st.mNumberOfTabs = count;
  if (st.Capacity() < count) st.mTabs.resize(static_cast<size_t>(count) + 1);
  m.seen.resize(static_cast<size_t>(count) + 1);
  st.mSelectedTab = read.selected + 1;
  st.mHotTab = read.hot + 1;
  st.mHasFocus = read.focus ? kTrue : kFalse;
  for (int32_t i = 1; i <= count; ++i) {
    const StripRead::Tab& tab = read.tabs[static_cast<size_t>(i - 1)];
    cTabs& record = st.Record(i);
    TabSeen& seen = m.seen[static_cast<size_t>(i)];
    const int32_t head = HeadWidthOfTab(tab.rect.width(), i == 1);
    if (record.TabWidth != head) {
      record.TabWidth = head;
      m.painter.TabWidthChanged(i);
    }
    const qint64 icon = tab.icon.isNull() ? 0 : tab.icon.cacheKey();
    if (tab.text != seen.caption || icon != seen.icon || !seen.shown) {
      record.TabCaption = Utf8(tab.text);
      record.TabPicture = TabPictureOf(tab.icon, read.icon_size, scale);
      seen.caption = tab.text;
      seen.icon = icon;
      seen.shown = true;
      m.painter.TabContentChanged(i);
    }
  }
  if (count == 0) {
    PaintBackground(bar, look, painter, area);
    return true;
  }
  m.painter.Paint(st, m.surface, bottom ? BottomStripLayout() : TopStripLayout());

  const int shift = bottom ? 1 : 0;
  for (const QRect& r : area) {
    const QRect part = r.intersected(bar.rect());
    if (part.isEmpty()) continue;
    DrawBitmap(painter, part, surface.image(), QPoint(part.x(), part.y() + shift) * scale, scale);
  }
  return true;
}

}  // namespace vellumar
