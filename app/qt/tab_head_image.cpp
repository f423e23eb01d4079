#include "app/qt/tab_head_image.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QHash>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

#include "app/qt/tab_picture_image.h"
#include "app/qt/vellumar_tab_strip.h"
#include "control/icon_conversion.h"
#include "platform/drawing/device_context.h"
#include "platform/raster/bitmap.h"
#include "render/strip_steps.h"
#include "render/tab_fit.h"
#include "render/tab_painter_common.h"

namespace vellumar {
namespace {

// Columns a head's drawing can reach past its tab: the selected head's growth and the outline beside it.
constexpr int kReach = static_cast<int>(kHeadReach);
// The system's grey text colour, for the captions of disabled tabs.
constexpr OleColor kGrayText = 0x80000011;
// A pixel the head did not draw: the strip background's colour with a top byte that no drawing writes, so
// that a caption blended over it blends over the background and an untouched pixel stays recognisable.
constexpr uint32_t kUntouched = 0xFF000000;

enum class Side { kNorth, kSouth, kWest, kEast };

Side SideOf(QTabBar::Shape shape) {
  switch (shape) {
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
      return Side::kSouth;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
      return Side::kWest;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
      return Side::kEast;
    default:
      return Side::kNorth;
  }
}

TabHeadRole RoleOf(const QStyleOptionTab& tab) {
  if (tab.state & QStyle::State_Selected) {
    return (tab.state & QStyle::State_HasFocus) ? TabHeadRole::kSelectedFocused : TabHeadRole::kSelected;
  }
  const bool hot = (tab.state & QStyle::State_MouseOver) && (tab.state & QStyle::State_Enabled);
  return hot ? TabHeadRole::kHot : TabHeadRole::kPlain;
}

// The look's colours, with the caption grey on a disabled tab and in the tab's own text colour when the bar
// gave it one (QTabBar::setTabTextColor reaches the style as the option's foreground colour).
TabStripColors ColorsFor(const QStyleOptionTab& tab, const QWidget* widget, const TabLook& look) {
  TabStripColors colors = look.colors;
  colors.mask = HiddenPictureBox::kBackColor;
  OleColor caption = 0;
  if (!(tab.state & QStyle::State_Enabled)) {
    caption = kGrayText;
  } else if (widget != nullptr) {
    const QPalette::ColorGroup group = tab.palette.currentColorGroup();
    const QColor own = tab.palette.color(group, widget->foregroundRole());
    if (own == widget->palette().color(group, widget->foregroundRole())) return colors;
    caption = OleColorOf(own, colors.fore);
  } else {
    return colors;
  }
  colors.fore = colors.fore_active = colors.fore_hot = caption;
  return colors;
}

std::string CaptionOf(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Where the image of a tab extent long and depth deep, reach columns wider on either side, lands.
QTransform FullPlacement(Side side, const QRect& r, int extent) {
  QTransform t;
  switch (side) {
    case Side::kNorth:
    case Side::kSouth:
      t.translate(r.left() - kReach, r.top());
      break;
    case Side::kWest:
      t.translate(r.left(), int64_t{r.top()} - kReach + extent + 2 * kReach);
      t.rotate(-90);
      break;
    case Side::kEast:
      t.translate(int64_t{r.right()} + 1, r.top() - kReach);
      t.rotate(90);
      break;
  }
  return t;
}

QImage ImageOf(const Bitmap& bitmap, int scale) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < bitmap.height(); ++y) {
    const uint32_t* source = bitmap.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width(); ++x) {
      const uint32_t p = source[x];
      target[x] = (p & kUntouched) != 0 ? 0 : qRgb(RedOf(p), GreenOf(p), BlueOf(p));
    }
  }
  image.setDevicePixelRatio(scale);
  return image;
}

// The strip's background under the tab's own columns; everything else starts untouched.
void Prefill(Bitmap& bitmap, const Rect& own_strip, ColorRef background) {
  std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), kUntouched | background);
  for (int32_t y = own_strip.top; y < own_strip.bottom; ++y) {
    uint32_t* row = bitmap.Row(y);
    std::fill(row + own_strip.left, row + own_strip.right, background);
  }
}

// QTabBar asks for every tab's size each time it lays its tabs out, which it does for each tab added: the
// widths measured in the last font asked for are kept, so that filling a bar measures each caption once.
struct FittingWidths {
  QFont font;
  QHash<std::pair<QString, int>, int> widths;
};

std::unique_ptr<FittingWidths> fitting_widths;

// Kept while the application lives: a font outliving it would hold on to Qt's font engines.
FittingWidths& KeptFittingWidths() {
  if (!fitting_widths) {
    fitting_widths = std::make_unique<FittingWidths>();
    qAddPostRoutine([] { fitting_widths.reset(); });
  }
  return *fitting_widths;
}

}  // namespace

QFont CaptionFontFor(const TabLook& look, const QWidget* widget) {
  if (look.caption_font) return *look.caption_font;
  return widget != nullptr ? widget->font() : QApplication::font("QTabBar");
}

StdPictureRef TabPictureOf(const QIcon& icon, const QSize& size, int scale) {
  if (icon.isNull() || size.isEmpty()) return nullptr;
  // Pictures are made again for every paint otherwise; a bar shows few distinct icons.
  using Key = std::tuple<qint64, int, int, int>;
  static std::map<Key, StdPictureRef> made;
  const QSize side = size.boundedTo(QSize(256, 256));
  const Key key{icon.cacheKey(), side.width(), side.height(), scale};
  if (const auto found = made.find(key); found != made.end()) return found->second;
  if (made.size() >= 256) made.clear();
  StdPictureRef picture;
  if (scale == 1) {
    picture = PictureOfImage(icon.pixmap(side, 1.0).toImage());
  } else {
    Bitmap blank(side.width(), side.height());
    std::fill(blank.pixels().begin(), blank.pixels().end(), HiddenPictureBox::kBackColor);
    picture = StdPicture::FromBitmap(std::move(blank));
  }
  made.emplace(key, picture);
  return picture;
}

int FittingHeadWidth(const QStyleOptionTab& tab, const QFont& font) {
  const int picture_width = tab.icon.isNull() ? 0 : tab.iconSize.width();
  FittingWidths& kept = KeptFittingWidths();
  if (font != kept.font || kept.widths.size() >= 16384) {
    kept.widths.clear();
    kept.font = font;
  }
  const std::pair<QString, int> key{tab.text, picture_width};
  if (const auto found = kept.widths.constFind(key); found != kept.widths.constEnd()) return *found;
  DeviceContext dc;
  dc.SelectFont(StdFontOf(font));
  const int width = FittingTabWidth(dc, CaptionOf(tab.text), static_cast<float>(picture_width));
  kept.widths.insert(key, width);
  return width;
}

TabHeadImage PaintTabHeadImage(const QStyleOptionTab& tab, const QWidget* widget, const TabLook& look,
                               HeadContent content, int scale, const QRect& bounds) {
  const Side side = SideOf(tab.shape);
  const bool vertical = side == Side::kWest || side == Side::kEast;
  const QRect& r = tab.rect;
  const int extent = vertical ? r.height() : r.width();
  const int depth = vertical ? r.width() : r.height();
  if (extent <= 0 || depth <= 0) return {};
  const QTransform full = FullPlacement(side, r, extent);
  // Only the columns the bounds can show are painted.
  const QRectF shown = full.inverted().mapRect(QRectF(bounds));
  const int64_t span = int64_t{extent} + 2 * kReach;
  const int64_t x0 = std::clamp<int64_t>(static_cast<int64_t>(std::floor(shown.left())), 0, span);
  const int64_t x1 = std::clamp<int64_t>(static_cast<int64_t>(std::ceil(shown.right())), x0, span);
  const int64_t max_side = Bitmap::kMaxPixels / std::max<int64_t>(1, int64_t{depth} * scale * scale);
  if (x1 <= x0 || x1 - x0 > max_side) return {};
  const auto width = static_cast<int32_t>(x1 - x0);

  const bool first = tab.tabIndex == 0;
  const int head_width = HeadWidthOfTab(extent, first);
  const int lead = first ? kFirstHeadLeft : 0;
  const bool reversed = side == Side::kWest || (!vertical && tab.direction == Qt::RightToLeft);
  const int64_t u_left = reversed ? int64_t{extent} - lead - head_width : lead;

  const TabStripColors colors = ColorsFor(tab, widget, look);
  ColorRef background = 0;
  if (!OleTranslateColor(colors.back_form, background)) background = 0;
  Bitmap bitmap(width * scale, depth * scale);
  const int tab_height = std::max(0, depth - kPageRowsInTab);
  const int strip_top = side == Side::kSouth ? depth - tab_height : 0;
  const int64_t own_left = std::clamp<int64_t>(kReach - x0, 0, width);
  const int64_t own_right = std::clamp<int64_t>(kReach + int64_t{extent} - x0, 0, width);
  Prefill(bitmap,
          Rect{static_cast<int32_t>(own_left * scale), strip_top * scale,
               static_cast<int32_t>(own_right * scale), (strip_top + tab_height) * scale},
          background);

  DeviceContext dc(&bitmap);
  dc.SetScale(scale);
  TabHead head;
  head.left = SaturateToInt32(kReach + u_left - x0);
  head.width = head_width;
  head.role = RoleOf(tab);
  if (content == HeadContent::kWhole) {
    head.caption = CaptionOf(tab.text);
    head.picture = TabPictureOf(tab.icon, tab.iconSize, scale);
  }
  const TabStripGeometry geometry{width, depth, tab_height, side == Side::kSouth};
  const Rect picture = PaintTabHead(dc, geometry, colors, StdFontOf(CaptionFontFor(look, widget)), head);

  TabHeadImage result;
  result.image = ImageOf(bitmap, scale);
  result.placement = QTransform::fromTranslate(static_cast<qreal>(x0), 0) * full;
  if (scale > 1 && head.picture && !picture.IsEmpty()) {
    result.icon_area = QRect(picture.left, picture.top, tab.iconSize.width(), tab.iconSize.height());
  }
  return result;
}

}  // namespace vellumar
