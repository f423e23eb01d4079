// mCommonDialog: the open-file dialog the tabs page uses to choose a picture. The dialog itself sits behind
// FileDialogService, so that tests answer it without a modal loop.
#pragma once

#include <QString>
#include <string>

namespace vellumar {

// What the pages ask the dialog for. filter is already converted: description and pattern items, each
// followed by one NUL character.
struct OpenFileRequest {
  std::string title;
  std::string filter;
  std::string default_extension;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or the empty string when the user cancelled or the dialog failed.
  virtual std::string GetOpenFileName(const OpenFileRequest& request) = 0;
};

// QFileDialog::getOpenFileName over the active window.
class QtFileDialog final : public FileDialogService {
 public:
  std::string GetOpenFileName(const OpenFileRequest& request) override;
};

// "|"-separated items become NUL-terminated items: "Bilder|*.bmp" gives "Bilder", NUL, "*.bmp", NUL.
std::string ConvertDialogFilter(const std::string& filter);

// A converted filter in Qt's form: "Bilder (*.bmp *.ico);;Alle Dateien (*.*)". Patterns separated by ";"
// are listed with blanks; a description without a pattern stands for every file.
QString QtFilterFromDialogFilter(const std::string& converted);

// Asks for one file. The result is the chosen path followed by one NUL character (callers find the
// extension just before it), or the empty string when the user cancelled.
std::string ShowOpenDialog(FileDialogService& dialog, const std::string& title, const std::string& filter,
                           const std::string& default_extension);

}  // namespace vellumar
