// What the form designer asks of the desktop: message boxes, the form-file dialogs, the property sheet and
// the about box. The designer's window takes them as one struct so that tests answer every question
// without a modal loop.
#pragma once

#include <QtCore/QString>
#include <functional>
#include <string>
#include <vector>

#include "pages/message_box.h"

class QWidget;

namespace vellumar {

class Vellumar;

// The open and save dialogs for form files.
class FormFileDialogs {
 public:
  virtual ~FormFileDialogs() = default;
  // The form file the user chose to open; empty when cancelled.
  virtual std::string OpenPath(QWidget* parent) = 0;
  // Where the user chose to save; empty when cancelled. suggested is the current file, or empty.
  virtual std::string SavePath(QWidget* parent, const std::string& suggested) = 0;
};

// QFileDialog with the form-file filter; a chosen save path without an extension gets ".vform".
class QtFormFileDialogs final : public FormFileDialogs {
 public:
  std::string OpenPath(QWidget* parent) override;
  std::string SavePath(QWidget* parent, const std::string& suggested) override;
};

struct DesignerServices {
  MessageBoxService& messages;
  FormFileDialogs& files;
  // Opens the property sheet for the controls modally; returns when it closes.
  std::function<void(std::vector<Vellumar*> controls, QWidget* parent)> show_properties;
  // Shows the about box modally.
  std::function<void(QWidget* parent)> show_about;
};

}  // namespace vellumar
