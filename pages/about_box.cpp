#include "pages/about_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "pages/decorative_pictures.h"
#include "pages/dialog_fonts.h"
#include "pages/link_label.h"
#include "pages/page_widgets.h"
#include "pages/twips.h"
#include "vellumar_version.h"

namespace vellumar {
namespace {

constexpr int kFormWidth = 5790;
constexpr int kFormHeight = 4875;

constexpr std::string_view kFeatureLines[] = {
    "",
    " Vellumar für",
    " Microsoft Access © ab Version 97 & VB 6.0",
    "",
    " Eigenschaften:",
    "",
    "  * Registerblätter",
    "    - oben",
    "    - unten",
    "  * Ein Bild kann gewählt werden",
    "    für jedes Registerblatt",
    "  * Farben für Focuserhalt wählbar",
    "  * Schriftart einstellbar",
    "  * Schriftfarbe einstellbar",
    "  * Schriftfarbe einstellbar für",
    "    Hot-Tab",
    "  * Tab - Markierungsfarbe wählbar",
    "  * Hot-Tab - Markierungsfarbe wählbar",
    "  * Rahmenfarbe TabControl wählbar",
    "  * Hintergrundfarbe TabControl wählbar",
    "  * Hintergrundfarbe Formular wählbar",
    "  * Tab-Höhe einstellbar",
    "  * Tab-Breite einstellbar",
    "",
};

// The etched separator: a grey line with a white one, two pixels wide, below it.
constexpr int kSeparatorLeft = 90;
constexpr int kSeparatorRight = 5654;
constexpr int kSeparatorTop = 3885;
constexpr int kSeparatorHighlightTop = 3900;

std::string Padded(int64_t value, size_t digits) {
  std::string text = std::to_string(std::llabs(value));
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

std::string VersionLine(int major, int minor, int revision) {
  std::string line = "Version: " + std::to_string(major) + "." + Padded(minor, 2);
  line += revision < 10 ? ".0" + std::to_string(revision) : "." + std::to_string(revision);
  return line;
}

std::string FeatureListText() {
  std::string text;
  for (std::string_view line : kFeatureLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

AboutBox::AboutBox(UrlOpener& urls, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      urls_(urls) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("Info zu Vellumar"));
  setWindowIcon(AboutWindowIcon());
  setModal(true);
  SetUpForm(*this, kFormWidth, kFormHeight);
  BuildHeader();
  BuildFooter();
  SetTabOrder({cmdOK_, txtHistorie_});
  cmdOK_->setFocus();
}

void AboutBox::BuildHeader() {
  QLabel* title = MakeLabel(this, "lblTitle", QStringLiteral("Vellumar"), {120, 120, 3885, 360});
  title->setFont(NamedFont(QStringLiteral("Tahoma"), 11.25, true));
  QPalette navy = title->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  title->setPalette(navy);
  QLabel* emblem = MakeLabel(this, "Picture2", QString(), {5400, 120, 375, 375});
  emblem->setPixmap(TabPageEmblem(QSize(16, 15)));
  lblVersion_ = MakeLabel(this, "lblVersion", QString(), {120, 480, 3765, 225});
  lblVersion_->setFont(NamedFont(QStringLiteral("Tahoma"), 8.25));
  txtHistorie_ = new QPlainTextEdit(this);
  txtHistorie_->setObjectName(QStringLiteral("txtHistorie"));
  PlaceAt(*txtHistorie_, 120, 840, 5535, 2295);
  txtHistorie_->setReadOnly(true);
  txtHistorie_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtHistorie_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtHistorie_->setFont(NamedFont(QStringLiteral("Courier"), 9.75));
  QPalette white = txtHistorie_->palette();
  white.setColor(QPalette::Base, Qt::white);
  txtHistorie_->setPalette(white);
}

void AboutBox::BuildFooter() {
  QLabel* badge = MakeLabel(this, "Picture1", QString(), {120, 3360, 1095, 255});
  badge->setPixmap(TabHeadsBadge());
  MakeLabel(this, "Label5", QStringLiteral("Steuerelemente für Formulare"), {120, 3600, 2655, 255});
  QLabel* notice = MakeLabel(this, "lblDescription", QStringLiteral("© 2026 Vellumar-Entwickler"),
                             {3600, 3600, 2085, 210});
  QPalette black = notice->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  notice->setPalette(black);
  MakeLabel(this, "Label1", QStringLiteral("Verbesserungvorschläge an:"), {120, 4080, 2055, 255});
  MakeLabel(this, "Label4", QStringLiteral("Homepage:"), {120, 4320, 2055, 255});
  MakeLabel(this, "Label6", QStringLiteral("Support Newsgroup:"), {120, 4560, 2055, 255});
  AddLink("Label2", QStringLiteral("vellumar@example.org"), kMakerMail, 4080);
  AddLink("Label3", QStringLiteral("vellumar.example.org"), kMakerHomepage, 4320);
  AddLink("Label7", QStringLiteral("news.example.org"), kMakerNews, 4560);
  cmdOK_ = MakeButton(this, "cmdOK", QStringLiteral("OK"), {4440, 4440, 1260, 345});
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::AddLink(const char* name, const QString& shown, const char* url, int top) {
  auto* link = new LinkLabel(shown, this);
  link->setObjectName(QString::fromLatin1(name));
  link->setToolTip(QString::fromLatin1(url));
  PlaceAt(*link, 2280, top, 1935, 255);
  connect(link, &LinkLabel::clicked, this, [this, url] { OpenLink(url); });
}

void AboutBox::OpenLink(const char* url) {
  try {
    urls_.Open(url);
  } catch (const std::exception&) {
    // A link whose program cannot start does nothing visible.
  }
}

void AboutBox::Load() {
  lblVersion_->setText(QString::fromStdString(
      VersionLine(VELLUMAR_VERSION_MAJOR, VELLUMAR_VERSION_MINOR, VELLUMAR_VERSION_PATCH)));
  history_.clear();
  history_ += FeatureListText();
  txtHistorie_->setPlainText(DisplayText(history_));
}

void AboutBox::showEvent(QShowEvent* event) {
  Load();
  QDialog::showEvent(event);  // places a dialog over its parent, which this form does not want
  CentreOnScreen();
}

void AboutBox::CentreOnScreen() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void AboutBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  const int left = TwipsToPixels(kSeparatorLeft);
  const int right = TwipsToPixels(kSeparatorRight);
  const int grey_y = TwipsToPixels(kSeparatorTop);
  const int white_y = TwipsToPixels(kSeparatorHighlightTop);
  painter.setPen(QPen(QColor(128, 128, 128), 1));
  painter.drawLine(left, grey_y, right, grey_y);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawLine(left + 1, white_y, right, white_y);
  painter.drawLine(left + 1, white_y + 1, right, white_y + 1);
}

void ShowAboutBoxOrThrow(QWidget* parent, UrlOpener& urls) {
  AboutBox box(urls, parent);
  box.exec();
}

void ShowAboutBox(QWidget* parent) {
  try {
    QtUrlOpener urls;
    ShowAboutBoxOrThrow(parent, urls);
  } catch (const std::exception&) {
    // The host asked for the box; there is nobody to tell that it could not be shown.
  }
}

}  // namespace vellumar
