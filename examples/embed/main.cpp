// A window with a Vellumar tab strip and a label that follows its selection. With --quit-after MS the
// application ends by itself after that many milliseconds and prints what it shows (for unattended runs).
#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

#include "app/qt/vellumar_tab_strip.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* strip = new vellumar::VellumarTabStrip(&window);
  auto* label = new QLabel(&window);
  layout->addWidget(strip);
  layout->addWidget(label);
  QObject::connect(strip, &vellumar::VellumarWidget::tabPressed, label, [strip, label](int previous) {
    label->setText(QStringLiteral("tab %1 of %2 (before: %3)")
                       .arg(strip->selectedTab())
                       .arg(strip->tabs().size())
                       .arg(previous));
  });
  strip->setTabs({"&Kunden|84", "&Rechnungen|84", "&Notizen|72"});
  strip->setSelectedTab(2);
  window.show();
  const QStringList args = QApplication::arguments();
  const qsizetype quit = args.indexOf(QStringLiteral("--quit-after"));
  if (quit > 0 && quit + 1 < args.size()) {
    QTimer::singleShot(args[quit + 1].toInt(), &app, [&] {
      QTextStream(stdout) << label->text() << Qt::endl;
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
