// Register ("Registerblätter"): the tab list of the first selected control, one tab at a time. The boxes
// hold the caption, width and picture of the tab shown; ApplyChanges writes them to the tab the page edits
// (normally the one shown; after "Hinzufügen" the new tab, while the boxes still show the tab before).
// Adding and deleting tabs act on the control at once.
#pragma once

#include <array>
#include <cstdint>

#include "control/icon_conversion.h"
#include "pages/property_page.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vellumar {

class PictureBox;

class PageRegister final : public PropertyPage {
  Q_OBJECT

 public:
  explicit PageRegister(PageServices services, QWidget* parent = nullptr);

  // Edits the first selected control and shows the tab at the scroll bar's position; a control without
  // tabs leaves the page as it is. Edits not yet applied are dropped.
  void SelectionChanged() override;
  // Writes caption, width and picture to the edited tab (an empty width box becomes "60" first). A width
  // text that is no number fails with HostError 13 after the caption has been stored.
  void ApplyChanges() override;

  // The buttons' actions. Errors of the control reach the caller, except those of choosing a picture,
  // which the page reports itself.
  void AddTabClicked();         // cmdAddTab "Hinzufügen"
  void DeleteTabClicked();      // cmdDelete "Löschen"
  void OpenPictureClicked();    // cmdOpenDlg "Bild auswählen"
  void DeletePictureClicked();  // cmdDel "Bild löschen"

  Vellumar* EditedControl() const { return edited_control_; }
  int32_t EditedTab() const { return edited_tab_; }

 private:
  void BuildPictureFrame();
  void ConnectHandlers();
  void ScrollChanged();
  void SetScrollMaximum(int32_t maximum);
  void ReportPictureError(const std::exception& error);

  Vellumar* edited_control_ = nullptr;  // mEditedControl: the first selected control
  int32_t edited_tab_ = 0;              // mEditedTab: the tab ApplyChanges writes
  QLineEdit* txtIndex_;
  QScrollBar* hsb_;
  QPushButton* cmdAddTab_;
  QPushButton* cmdDelete_;
  std::array<QLineEdit*, 2> txt_{};  // caption, width
  QGroupBox* frame1_;
  PictureBox* picTab_ = nullptr;
  QPushButton* cmdOpenDlg_ = nullptr;
  QPushButton* cmdDel_ = nullptr;
  HiddenPictureBox picTemp_;  // the scratch surface that turns icons into bitmaps
};

}  // namespace vellumar
