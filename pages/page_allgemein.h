// Allgemein ("Allgemein"): the tab height of the first selected control and the alignment of all of them.
#pragma once

#include "pages/property_page.h"

class QComboBox;
class QLineEdit;

namespace vellumar {

class PageAllgemein final : public PropertyPage {
  Q_OBJECT

 public:
  explicit PageAllgemein(PageServices services, QWidget* parent = nullptr);

  // Shows the first control's height; the first time, also fills the alignment list and selects its
  // alignment. Marks the page changed.
  void SelectionChanged() override;
  // The height to the first selected control; the chosen alignment, if a list entry is chosen, to every one.
  // A height text that is no number (a lone "-") fails with HostError 13 before anything is written.
  void ApplyChanges() override;

  // The chosen list position of cmbAusrichtung: -1 while none is chosen (before the list is filled, or
  // after the user typed into its edit field).
  int AlignmentListIndex() const { return list_index_; }

 private:
  void HeightChanged();
  void SelectAlignment(int position);

  QLineEdit* txtHeight_;
  QComboBox* cmbAusrichtung_;
  int list_index_ = -1;
};

}  // namespace vellumar
