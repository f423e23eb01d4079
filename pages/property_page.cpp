#include "pages/property_page.h"

#include <string>

#include "platform/errors/host_error.h"

namespace vellumar {

PropertyPage::PropertyPage(const QString& caption, PageServices services, QWidget* parent)
    : QWidget(parent), caption_(caption), services_(std::move(services)) {}

void PropertyPage::SetChanged(bool changed) {
  if (changed == changed_) return;
  changed_ = changed;
  emit ChangedChanged(changed);
}

void PropertyPage::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    if (action_depth_ > 0) {
      if (!pending_error_) pending_error_ = std::current_exception();
    } else {
      ReportError(services_.messages, error);
    }
  }
}

void PropertyPage::RethrowPendingError() {
  if (!pending_error_) return;
  std::exception_ptr error = pending_error_;
  pending_error_ = nullptr;
  std::rethrow_exception(error);
}

void ReportError(MessageBoxService& messages, const std::exception& error) {
  const auto* host_error = dynamic_cast<const HostError*>(&error);
  std::string text = error.what();
  if (host_error != nullptr) text = std::to_string(host_error->number()) + "\r\n" + text;
  messages.Show(text, "Vellumar", MsgBoxIcon::kStop, MsgBoxButtons::kOkOnly);
}

}  // namespace vellumar
