// The host's property sheet: the control's pages (TabsC, Allgemein, Register) and the host's own font and
// colour pages in tabs, with OK, Abbrechen and Übernehmen. A page hears SelectionChanged when it is first
// shown; OK and Übernehmen apply every changed page, and Übernehmen is enabled while any page is changed.
#pragma once

#include <QDialog>
#include <vector>

#include "pages/page_services.h"

class QPushButton;
class QTabWidget;

namespace vellumar {

class PropertyPage;
class Vellumar;

class PropertySheet final : public QDialog {
  Q_OBJECT

 public:
  // The controls must outlive the sheet; the first is the one the pages edit where only one is edited.
  PropertySheet(std::vector<Vellumar*> controls, PageServices services, QWidget* parent = nullptr);

  // The pages in the order of their tabs.
  const std::vector<PropertyPage*>& Pages() const { return pages_; }
  // Shows a page (and so gives it its SelectionChanged the first time).
  void ShowPage(int index);
  // A new selection: every page shown so far hears SelectionChanged again.
  void SetSelectedControls(std::vector<Vellumar*> controls);

  // Übernehmen: ApplyChanges on every changed page, in tab order, clearing its Changed. The first error
  // is shown in a message box and ends the round; returns whether every page applied.
  bool Apply();
  // OK: Apply, then close; the sheet stays open when an error was shown.
  void Ok();

 private:
  void PageShown(int index);
  void UpdateApplyButton();

  std::vector<Vellumar*> controls_;
  PageServices services_;
  std::vector<PropertyPage*> pages_;
  std::vector<bool> shown_;  // the page has had its first SelectionChanged
  QTabWidget* tabs_;
  QPushButton* cmdApply_ = nullptr;
};

// Shows the property sheet for controls modally; returns when it closes.
void ShowPropertySheet(std::vector<Vellumar*> controls, PageServices services, QWidget* parent = nullptr);

}  // namespace vellumar
