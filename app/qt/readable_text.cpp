#include "app/qt/readable_text.h"

#include <algorithm>
#include <cmath>

namespace vellumar {
namespace {

double Linear(float channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

QColor HalfWay(const QColor& from, const QColor& to) {
  return QColor((from.red() + to.red()) / 2, (from.green() + to.green()) / 2, (from.blue() + to.blue()) / 2);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableTextOn(const QColor& background) {
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QPalette PaletteOn(const QColor& background, QPalette base) {
  const QColor ink = ReadableTextOn(background);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor text = group == QPalette::Disabled ? HalfWay(ink, background) : ink;
    base.setColor(group, QPalette::Window, background);
    base.setColor(group, QPalette::Button, background);
    base.setColor(group, QPalette::WindowText, text);
    base.setColor(group, QPalette::ButtonText, text);
  }
  return base;
}

}  // namespace vellumar
