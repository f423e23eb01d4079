#include "pages/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace vellumar {
namespace {

QMessageBox::Icon ToQtIcon(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::kStop:
      return QMessageBox::Critical;
    case MsgBoxIcon::kQuestion:
      return QMessageBox::Question;
    case MsgBoxIcon::kExclamation:
      return QMessageBox::Warning;
    case MsgBoxIcon::kInformation:
      return QMessageBox::Information;
    case MsgBoxIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgBoxButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgBoxButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgBoxButtons::kOkOnly:
      break;
  }
  return QMessageBox::Ok;
}

MsgBoxResult FromQt(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return MsgBoxResult::kCancel;
    case QMessageBox::Yes:
      return MsgBoxResult::kYes;
    case QMessageBox::No:
      return MsgBoxResult::kNo;
    default:
      return MsgBoxResult::kOk;
  }
}

void GermanButtonText(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
  if (QAbstractButton* button = box.button(which)) button->setText(text);
}

}  // namespace

MsgBoxResult QtMessageBox::Show(const std::string& text, const std::string& title, MsgBoxIcon icon,
                                MsgBoxButtons buttons) {
  // Qt breaks lines at LF alone; a CR left in would show as a stray glyph.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), shown, ToQtButtons(buttons),
                  QApplication::activeWindow());
  GermanButtonText(box, QMessageBox::Cancel, QStringLiteral("Abbrechen"));
  GermanButtonText(box, QMessageBox::Yes, QStringLiteral("Ja"));
  GermanButtonText(box, QMessageBox::No, QStringLiteral("Nein"));
  return FromQt(box.exec());
}

}  // namespace vellumar
