#include "pages/dialog_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace vellumar {
namespace {

void RegisterWineFontsOnce() {
  static const bool registered = [] {
    const QString directory = QStringLiteral("/usr/share/wine/fonts/");
    for (const char* file : {"ms_sans_serif.ttf", "tahoma.ttf", "tahomabd.ttf", "courier.ttf"}) {
      const QString path = directory + QString::fromLatin1(file);
      if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
    }
    return true;
  }();
  (void)registered;
}

}  // namespace

QFont NamedFont(const QString& family, double points, bool bold) {
  RegisterWineFontsOnce();
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont DialogFont() {
  return NamedFont(QStringLiteral("MS Sans Serif"), 8.25);
}

}  // namespace vellumar
