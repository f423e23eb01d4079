// Message boxes as the pages ask for them (text, title, icon, buttons), behind an interface so that tests
// can answer them without a modal loop.
#pragma once

#include <string>

namespace vellumar {

enum class MsgBoxIcon { kNone, kStop, kQuestion, kExclamation, kInformation };
enum class MsgBoxButtons { kOkOnly, kOkCancel, kYesNo, kYesNoCancel };
enum class MsgBoxResult { kOk, kCancel, kYes, kNo };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the message modally and returns the button the user pressed. Lines in text end in CR LF.
  virtual MsgBoxResult Show(const std::string& text, const std::string& title, MsgBoxIcon icon,
                            MsgBoxButtons buttons) = 0;
};

// QMessageBox over the active window.
class QtMessageBox final : public MessageBoxService {
 public:
  MsgBoxResult Show(const std::string& text, const std::string& title, MsgBoxIcon icon,
                    MsgBoxButtons buttons) override;
};

}  // namespace vellumar
