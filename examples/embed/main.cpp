// A preferences dialog written against QTabWidget's interface, with a VellumarTabWidget in its place: four
// pages with icons and tooltips, one of them disabled, the tabs at the bottom, closable and movable, with
// scroll buttons and elided captions, a corner button that brings closed pages back, and per-tab data and
// colours on the tab bar. With --quit-after MS the program ends by itself after that many milliseconds and
// prints the page it shows.
#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStyle>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>
#include <VellumarTabWidget>
#include <vector>

namespace {

struct Page {
  QWidget* widget;
  QIcon icon;
  QString label;
  QString tip;
};

QWidget* GeneralPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->addRow("&Name:", new QLineEdit("Kunde GmbH"));
  auto* language = new QComboBox;
  language->addItems({"Deutsch", "English", "Français"});
  form->addRow("&Sprache:", language);
  form->addRow("", new QCheckBox("Beim Start &Tipps zeigen"));
  return page;
}

QWidget* SavingPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  auto* minutes = new QSpinBox;
  minutes->setRange(1, 60);
  minutes->setValue(10);
  minutes->setSuffix(" min");
  form->addRow("Automatisch speichern alle:", minutes);
  form->addRow("", new QCheckBox("Sicherungskopie anlegen"));
  return page;
}

QWidget* NetworkPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->addRow("Proxy:", new QLineEdit("proxy.example.com:8080"));
  return page;
}

QWidget* ExpertPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QCheckBox("Protokoll schreiben"));
  layout->addStretch();
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle("Einstellungen");
  auto* layout = new QVBoxLayout(&dialog);
  auto* tabs = new vellumar::VellumarTabWidget(&dialog);
  layout->addWidget(tabs);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  QStyle* style = QApplication::style();
  const std::vector<Page> pages = {
      {GeneralPage(), style->standardIcon(QStyle::SP_ComputerIcon), "&Allgemein", "Name und Sprache"},
      {SavingPage(), style->standardIcon(QStyle::SP_DialogSaveButton), "&Speichern und Sicherungskopien",
       "Wann und wie gespeichert wird"},
      {NetworkPage(), style->standardIcon(QStyle::SP_DriveNetIcon), "&Netzwerk", "Nur mit Lizenz"},
      {ExpertPage(), style->standardIcon(QStyle::SP_MessageBoxWarning), "&Experten", "Für Fehlersuche"},
  };
  for (const Page& page : pages) {
    const int index = tabs->addTab(page.widget, page.icon, page.label);
    tabs->setTabToolTip(index, page.tip);
    tabs->tabBar()->setTabData(index, page.label);
  }
  tabs->setTabEnabled(2, false);
  tabs->setTabPosition(QTabWidget::South);
  tabs->setTabsClosable(true);
  tabs->setMovable(true);
  tabs->setUsesScrollButtons(true);
  tabs->setElideMode(Qt::ElideRight);
  tabs->tabBar()->setTabTextColor(3, Qt::darkRed);

  // A closed page is only hidden from the tabs; the corner button brings every closed one back.
  QObject::connect(tabs, &QTabWidget::tabCloseRequested, tabs, [tabs](int index) { tabs->removeTab(index); });
  auto* restore = new QToolButton;
  restore->setText("+");
  restore->setToolTip("Geschlossene Seiten wieder zeigen");
  tabs->setCornerWidget(restore, Qt::BottomRightCorner);
  QObject::connect(restore, &QToolButton::clicked, tabs, [tabs, pages] {
    for (const Page& page : pages) {
      if (tabs->indexOf(page.widget) < 0) {
        const int index = tabs->addTab(page.widget, page.icon, page.label);
        tabs->setTabToolTip(index, page.tip);
        tabs->tabBar()->setTabData(index, page.label);
      }
    }
  });

  // A double click on a tab names it in the window title, found by the point clicked.
  QObject::connect(tabs, &QTabWidget::tabBarDoubleClicked, &dialog, [tabs, &dialog](int index) {
    const QPoint centre = tabs->tabBar()->tabRect(index).center();
    const int found = tabs->tabBar()->tabAt(centre);
    if (found >= 0) dialog.setWindowTitle("Einstellungen – " + tabs->tabBar()->tabData(found).toString());
  });

  tabs->setCurrentIndex(1);
  dialog.resize(420, 260);
  dialog.show();

  const QStringList args = QApplication::arguments();
  if (const qsizetype at = args.indexOf("--quit-after"); at > 0 && at + 1 < args.size()) {
    QTimer::singleShot(args[at + 1].toInt(), &app, [&] {
      QTextStream(stdout) << "page " << tabs->currentIndex() + 1 << " of " << tabs->count() << ": "
                          << tabs->tabText(tabs->currentIndex()) << Qt::endl;
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
