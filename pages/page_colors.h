// The host's colour page ("Farben"): the thirteen colour properties, each set to an RGB colour from the
// colour dialog or to a system colour from the list. Edits stay on the page until ApplyChanges, which
// writes every edited colour to every selected control.
#pragma once

#include <vector>

#include "pages/property_page.h"
#include "platform/ole_color.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vellumar {

struct PropertyInfo;

class PageColors final : public PropertyPage {
  Q_OBJECT

 public:
  explicit PageColors(PageServices services, QWidget* parent = nullptr);

  // Shows the first selected control's colours; nothing is edited yet.
  void SelectionChanged() override;
  void ApplyChanges() override;

  // The colour properties in the order of the list, and what the page holds for each.
  int PropertyCount() const { return static_cast<int>(entries_.size()); }
  OleColor PendingColor(int row) const { return entries_.at(static_cast<size_t>(row)).color; }
  // Selects a row of the property list (as the user would click it).
  void SelectProperty(int row);
  // The user's choices for the selected property.
  void ChooseRgbClicked();
  void ChooseSystemColor(int list_position);

 private:
  struct Entry {
    const PropertyInfo* property;
    OleColor color = 0;
    bool edited = false;
  };

  void BuildColorGroup();
  void Assign(OleColor color);
  void ShowSelected();
  void RefreshRow(int row);
  int SelectedRow() const;

  std::vector<Entry> entries_;
  QListWidget* lstProperties_;
  QRadioButton* optRgb_ = nullptr;
  QPushButton* cmdChoose_ = nullptr;
  QRadioButton* optSystem_ = nullptr;
  QComboBox* cmbSystem_ = nullptr;
  QLabel* swatch_ = nullptr;
  QLabel* lblValue_ = nullptr;
  bool showing_ = false;  // the page itself is filling the controls: their signals are no user edits
};

}  // namespace vellumar
