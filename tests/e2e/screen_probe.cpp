// Where a colour shows on the X screen: grabs the whole screen and prints how many pixels have exactly the
// colour, then the bounding box of them (left top right bottom, exclusive), or "0" when none does.
// usage: screen_probe RRGGBB
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <algorithm>
#include <climits>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  bool ok = false;
  const QStringList args = QGuiApplication::arguments();
  const QRgb wanted = args.size() == 2 ? args[1].toUInt(&ok, 16) : 0;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!ok || screen == nullptr) {
    QTextStream(stderr) << "usage: screen_probe RRGGBB (on an X display)\n";
    return 2;
  }
  const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
  long count = 0;
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((row[x] & 0xFFFFFF) != wanted) continue;
      ++count;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  QTextStream out(stdout);
  out << count;
  if (count > 0) out << ' ' << left << ' ' << top << ' ' << right << ' ' << bottom;
  out << '\n';
  return 0;
}
