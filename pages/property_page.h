// The property-page protocol of the form designer: the host hands a page the selected controls and calls
// SelectionChanged; the page raises Changed when it holds edits, which enables the host's Apply button; on
// OK or Apply the host calls ApplyChanges and then clears Changed.
//
// Errors: the protocol calls (SelectionChanged, ApplyChanges and the pages' public actions) pass the
// control's numbered errors to their caller. Handlers that Qt runs on the user's behalf cannot throw
// through Qt; they go through RunHandler, which shows the error in a message box when no page action is
// under way, and otherwise keeps it until that action rethrows it (RethrowPendingError).
#pragma once

#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <vector>

#include "pages/page_services.h"

namespace vellumar {

class Vellumar;

class PropertyPage : public QWidget {
  Q_OBJECT

 public:
  PropertyPage(const QString& caption, PageServices services, QWidget* parent = nullptr);

  // The page's name on its tab in the property sheet.
  const QString& Caption() const { return caption_; }

  // The host's selection, first entry first; SelectionChanged follows.
  void SetSelectedControls(std::vector<Vellumar*> controls) { selected_ = std::move(controls); }
  const std::vector<Vellumar*>& SelectedControls() const { return selected_; }

  virtual void SelectionChanged() = 0;
  virtual void ApplyChanges() = 0;

  bool Changed() const { return changed_; }
  void SetChanged(bool changed);

 signals:
  void ChangedChanged(bool changed);

 protected:
  PageServices& services() { return services_; }
  // The first selected control, or null when nothing is selected.
  Vellumar* FirstSelected() const { return selected_.empty() ? nullptr : selected_.front(); }

  // Marks a page action under way for as long as it lives, so that handlers nested in it keep their errors.
  class ActionScope {
   public:
    explicit ActionScope(PropertyPage& page) : page_(page) { ++page_.action_depth_; }
    ~ActionScope() { --page_.action_depth_; }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

   private:
    PropertyPage& page_;
  };

  void RunHandler(const std::function<void()>& handler);
  void RethrowPendingError();

 private:
  QString caption_;
  PageServices services_;
  std::vector<Vellumar*> selected_;
  bool changed_ = false;
  int action_depth_ = 0;              // page actions under way on the stack
  std::exception_ptr pending_error_;  // an error of a nested handler, for the action under way
};

// Shows an error that reached the host, with a stop icon: a numbered error as its number, CR LF and its
// description; any other error by its description.
void ReportError(MessageBoxService& messages, const std::exception& error);

}  // namespace vellumar
