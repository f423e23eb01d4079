#include "app/designer/designer_services.h"

#include <QtCore/QFileInfo>
#include <QtWidgets/QFileDialog>

#include "platform/form_file/form_file.h"

namespace vellumar {
namespace {

QString FormFilter() {
  return QStringLiteral("Vellumar-Formen (*%1);;Alle Dateien (*)").arg(QString::fromUtf8(kFormFileExtension));
}

}  // namespace

std::string QtFormFileDialogs::OpenPath(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Form öffnen"), QString(), FormFilter())
      .toStdString();
}

std::string QtFormFileDialogs::SavePath(QWidget* parent, const std::string& suggested) {
  QFileDialog dialog(parent, QStringLiteral("Form speichern unter"), QString::fromStdString(suggested),
                     FormFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromUtf8(kFormFileExtension).mid(1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace vellumar
