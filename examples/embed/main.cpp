// A customer card: a VellumarTabWidget with three pages of ordinary Qt widgets. With --quit-after MS the
// program ends by itself after that many milliseconds and prints the page it shows.
#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>

#include "app/qt/vellumar_tab_widget.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vellumar::VellumarTabWidget tabs;

  auto* customer = new QWidget;
  auto* fields = new QFormLayout(customer);
  fields->addRow("Name:", new QLineEdit);
  fields->addRow("Ort:", new QLineEdit);
  tabs.addTab(customer, "&Kunde");

  auto* invoices = new QWidget;
  auto* paid = new QFormLayout(invoices);
  paid->addRow("Betrag:", new QLineEdit("120,00"));
  paid->addRow("", new QCheckBox("Bezahlt"));
  tabs.addTab(invoices, QIcon::fromTheme("document-save"), "&Rechnungen");

  tabs.addTab(new QPlainTextEdit("Rückruf am Montag."), "&Notizen");
  tabs.setCurrentIndex(1);
  tabs.resize(380, 220);
  tabs.show();

  const QStringList args = QApplication::arguments();
  if (const qsizetype at = args.indexOf("--quit-after"); at > 0 && at + 1 < args.size()) {
    QTimer::singleShot(args[at + 1].toInt(), &app, [&] {
      QTextStream(stdout) << "page " << tabs.currentIndex() + 1 << " of " << tabs.count() << ": "
                          << tabs.tabText(tabs.currentIndex()) << Qt::endl;
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
