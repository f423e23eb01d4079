#include "app/qt/tab_look.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "render/tab_painter_common.h"

namespace vellumar {

TabLook DefaultTabLook() {
  TabLook look;
  TabStripColors& c = look.colors;
  c.back = kDefaultBackColor;
  c.back_form = kDefaultBackColor;
  c.fore = kDefaultForeColor;
  c.fore_active = kDefaultForeColorActive;
  c.fore_hot = kDefaultForeColorHot;
  c.frame = kDefaultFrameColor;
  c.mask = kDefaultMaskColor;
  c.hot_band[0] = c.focus_band[0] = kDefaultBandColor0;
  c.hot_band[1] = c.focus_band[1] = kDefaultBandColor1;
  c.hot_band[2] = c.focus_band[2] = kDefaultBandColor2;
  return look;
}

QColor QColorOfOle(OleColor color) {
  ColorRef rgb = 0;
  if (!OleTranslateColor(color, rgb)) return {};
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

OleColor OleColorOf(const QColor& color, OleColor fallback) {
  if (!color.isValid()) return fallback;
  const QColor rgb = color.toRgb();
  return Rgb(rgb.red(), rgb.green(), rgb.blue());
}

StdFontRef StdFontOf(const QFont& font) {
  auto result = std::make_shared<StdFont>();
  result->SetName(font.family().toStdString());
  double points = font.pointSizeF();
  if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 72.0 / 96.0;
  if (points > 0) result->SetSize(points);
  result->SetWeight(static_cast<int16_t>(std::clamp(static_cast<int>(font.weight()), 1, 1000)));
  result->SetItalic(font.italic());
  result->SetUnderline(font.underline());
  result->SetStrikethrough(font.strikeOut());
  return result;
}

namespace {

double Luminance(const QColor& color) {
  const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  const QColor rgb = color.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette PagePalette(QPalette palette, const QColor& page) {
  constexpr double kReadable = 4.5;
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  const QColor text = ContrastRatio(black, page) >= ContrastRatio(white, page) ? black : white;
  palette.setColor(QPalette::Window, page);
  // Labels, check boxes and group titles draw window text straight onto the page; fields and buttons bring
  // their own backgrounds.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    if (ContrastRatio(palette.color(group, QPalette::WindowText), page) < kReadable) {
      palette.setColor(group, QPalette::WindowText, text);
    }
  }
  return palette;
}

int TabExtentOfHead(int head_width, bool first) {
  const int64_t extent = int64_t{std::max(head_width, 0)} + kHeadGap + (first ? kFirstHeadLeft : 0);
  return static_cast<int>(std::min<int64_t>(extent, INT32_MAX));
}

int HeadWidthOfTab(int extent, bool first) {
  return std::max(0, extent - kHeadGap - (first ? kFirstHeadLeft : 0));
}

int TabDepth(int tab_height) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{tab_height} + kPageRowsInTab, 1, INT32_MAX));
}

}  // namespace vellumar
