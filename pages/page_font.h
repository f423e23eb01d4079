// The host's font page ("Schriftart"): name, size and the four styles of the caption font. Edits stay on
// the page until ApplyChanges, which sets them on every selected control through its Font properties.
#pragma once

#include <array>

#include "pages/property_page.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace vellumar {

class PageFont final : public PropertyPage {
  Q_OBJECT

 public:
  explicit PageFont(PageServices services, QWidget* parent = nullptr);

  // Shows the first selected control's font; nothing is edited yet.
  void SelectionChanged() override;
  // FontName, FontSize, FontBold, FontItalic, FontUnderline and FontStrikethru of every selected control.
  // A size that is no number from 1 to 2048 points fails with HostError 380 before anything is written.
  void ApplyChanges() override;

 private:
  enum Style { kBold, kItalic, kUnderline, kStrikethrough, kStyleCount };

  void BuildEffects();
  void Edited();
  void UpdateSample();

  QComboBox* cmbName_;
  QComboBox* cmbSize_;
  std::array<QCheckBox*, kStyleCount> chkStyle_{};
  QLabel* sample_ = nullptr;
  bool showing_ = false;  // the page itself is filling the controls: their signals are no user edits
};

}  // namespace vellumar
