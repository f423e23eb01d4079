#include "app/designer/screenshot_probe.h"

#include <QtCore/QDir>
#include <QtCore/QSaveFile>
#include <QtGui/QKeyEvent>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

#include "app/designer/designer_canvas.h"
#include "app/designer/designer_window.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr int kShotNumberWidth = 3;

QString ColorText(OleColor color) {
  ColorRef rgb = 0;
  if (!OleTranslateColor(color, rgb)) rgb = 0;
  return QStringLiteral("%1,%2,%3").arg(RedOf(rgb)).arg(GreenOf(rgb)).arg(BlueOf(rgb));
}

// The ASCII access key of each tab, '-' where a tab has none (or one outside ASCII).
std::vector<char> TabKeys(const TabStripState& state) {
  std::vector<char> keys(static_cast<size_t>(std::max(state.mNumberOfTabs, 0)) + 1, '-');
  size_t index = 0;
  for (size_t pos = 0; pos < state.mAccessKeys.size(); ++index) {
    const char32_t character = DecodeUtf8(state.mAccessKeys, pos);
    if (index >= state.mAccessKeyTabs.size()) break;
    const int32_t tab = state.mAccessKeyTabs[index];
    if (tab >= 1 && static_cast<size_t>(tab) < keys.size() && character > U' ' && character < 0x7F &&
        keys[static_cast<size_t>(tab)] == '-') {
      keys[static_cast<size_t>(tab)] = static_cast<char>(character);
    }
  }
  return keys;
}

QString ControlText(VellumarWidget& widget) {
  const TabStripState& s = widget.control().state();
  const QString name = widget.objectName();
  const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
  QString text =
      QStringLiteral(
          "control %1 %2 %3 %4 %5 alignment=%6 tabheight=%7 tabs=%8 selected=%9 hot=%10 focus=%11\n")
          .arg(name)
          .arg(origin.x())
          .arg(origin.y())
          .arg(widget.width())
          .arg(widget.height())
          .arg(s.mAlignment)
          .arg(s.mTabHeight)
          .arg(s.mNumberOfTabs)
          .arg(s.mSelectedTab)
          .arg(s.mHotTab)
          .arg(s.mHasFocus != 0 ? 1 : 0);
  text +=
      QStringLiteral(
          "colors %1 backform=%2 back=%3 frame=%4 band0=%5 band1=%6 band2=%7 focus0=%8 focus1=%9 "
          "focus2=%10\n")
          .arg(name, ColorText(s.mBackColorForm), ColorText(s.mBackColor), ColorText(s.mFrameColor),
               ColorText(s.mMouseMoveColor0), ColorText(s.mMouseMoveColor1), ColorText(s.mMouseMoveColor2),
               ColorText(s.mRegisterFocusColor0), ColorText(s.mRegisterFocusColor1))
          .arg(ColorText(s.mRegisterFocusColor2));
  const std::vector<char> keys = TabKeys(s);
  for (int32_t i = 1; i <= s.mNumberOfTabs && static_cast<size_t>(i) < s.mTabRects.size(); ++i) {
    const Rect& r = s.mTabRects[static_cast<size_t>(i)];
    text += QStringLiteral("tab %1 %2 %3 %4 %5 %6 key=%7\n")
                .arg(name)
                .arg(i)
                .arg(static_cast<qint64>(origin.x()) + r.left)
                .arg(static_cast<qint64>(origin.y()) + r.top)
                .arg(static_cast<qint64>(origin.x()) + r.right)
                .arg(static_cast<qint64>(origin.y()) + r.bottom)
                .arg(QChar(keys[static_cast<size_t>(i)]));
  }
  return text;
}

bool WriteAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

ScreenshotProbe::ScreenshotProbe(DesignerWindow& window, QString directory)
    : QObject(&window), window_(window), directory_(std::move(directory)) {}

ScreenshotProbe* ScreenshotProbe::InstallFromEnvironment(DesignerWindow& window) {
  const QString directory = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
  if (directory.isEmpty() || !QDir().mkpath(directory)) return nullptr;
  auto* probe = new ScreenshotProbe(window, directory);
  qApp->installEventFilter(probe);
  return probe;
}

bool ScreenshotProbe::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F12) {
      // Taken at its first stop (the window, before any widget): nothing else sees the key.
      if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) Capture();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void ScreenshotProbe::Capture() {
  const QString stem =
      QDir(directory_).filePath(QStringLiteral("shot-%1").arg(next_++, kShotNumberWidth, 10, QChar('0')));
  // Whatever the controls changed is drawn and on the display before the screen is read.
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible()) top->repaint();
  }
  QScreen* screen = window_.screen();
  if (screen == nullptr) return;
  const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB888);
  WriteAtomically(stem + QStringLiteral(".txt"), StateText().toUtf8());
  const QString part = stem + QStringLiteral(".part.ppm");
  if (image.save(part, "PPM")) QDir().rename(part, stem + QStringLiteral(".ppm"));
}

QString ScreenshotProbe::StateText() const {
  const QPoint origin = window_.mapToGlobal(QPoint(0, 0));
  QString text = QStringLiteral("window %1 %2 %3 %4\n")
                     .arg(origin.x())
                     .arg(origin.y())
                     .arg(window_.width())
                     .arg(window_.height());
  for (VellumarWidget* control : window_.canvas().controls()) text += ControlText(*control);
  return text;
}

}  // namespace vellumar
