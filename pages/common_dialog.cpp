#include "pages/common_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace vellumar {

std::string ConvertDialogFilter(const std::string& filter) {
  std::string converted;
  converted.reserve(filter.size() + 1);
  for (char c : filter) converted.push_back(c == '|' ? '\0' : c);
  converted.push_back('\0');
  return converted;
}

QString QtFilterFromDialogFilter(const std::string& converted) {
  QStringList items = QString::fromStdString(converted).split(QChar(u'\0'));
  // The list ends in NUL, which leaves one empty item behind.
  if (!items.isEmpty() && items.last().isEmpty()) items.removeLast();
  QStringList entries;
  for (qsizetype i = 0; i < items.size(); i += 2) {
    QString patterns = i + 1 < items.size() ? items[i + 1] : QStringLiteral("*");
    patterns.replace(QChar(u';'), QChar(u' '));
    entries.push_back(items[i] + QStringLiteral(" (") + patterns.simplified() + QChar(u')'));
  }
  return entries.join(QStringLiteral(";;"));
}

std::string QtFileDialog::GetOpenFileName(const OpenFileRequest& request) {
  const QString path =
      QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromStdString(request.title),
                                   QString(), QtFilterFromDialogFilter(request.filter));
  return path.toStdString();
}

std::string ShowOpenDialog(FileDialogService& dialog, const std::string& title, const std::string& filter,
                           const std::string& default_extension) {
  const std::string path =
      dialog.GetOpenFileName(OpenFileRequest{title, ConvertDialogFilter(filter), default_extension});
  if (path.empty()) return {};
  return path + '\0';
}

}  // namespace vellumar
