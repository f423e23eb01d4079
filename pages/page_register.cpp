#include "pages/page_register.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <optional>
#include <string>

#include "control/vellumar.h"
#include "pages/button_icons.h"
#include "pages/common_dialog.h"
#include "pages/numeric_text.h"
#include "pages/page_widgets.h"
#include "pages/picture_box.h"
#include "pages/tab_picture_file.h"
#include "pages/twips.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr int kPageWidth = 5700;
constexpr int kPageHeight = 3600;
constexpr int32_t kNewTabWidth = 60;
constexpr int kCaptionBox = 0;
constexpr int kWidthBox = 1;

QPushButton* MakePictureButton(QWidget* parent, const char* name, const QPixmap& pixmap, TwipsBox box,
                               const QString& tool_tip) {
  QPushButton* button = MakeButton(parent, name, QString(), box, tool_tip);
  button->setIcon(QIcon(pixmap));
  button->setIconSize(QSize(kButtonIconSize, kButtonIconSize));
  return button;
}

}  // namespace

PageRegister::PageRegister(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Registerblätter"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  MakeLabel(this, "lbl3", QStringLiteral("Index:"), {255, 270, 975, 255});
  txtIndex_ = MakeTextBox(this, "txtIndex", {1950, 240, 735, 285});
  txtIndex_->setReadOnly(true);
  QPalette grey = txtIndex_->palette();
  const ColorRef scrollbar = GetSysColor(kColorScrollbar);
  grey.setColor(QPalette::Base, QColor(RedOf(scrollbar), GreenOf(scrollbar), BlueOf(scrollbar)));
  txtIndex_->setPalette(grey);
  hsb_ = new QScrollBar(Qt::Horizontal, this);
  hsb_->setObjectName(QStringLiteral("hsb"));
  hsb_->setRange(1, 1);
  hsb_->setValue(1);
  hsb_->setSingleStep(1);
  hsb_->setPageStep(1);
  PlaceAt(*hsb_, 2700, 240, 435, 285);
  cmdAddTab_ = MakeButton(this, "cmdAddTab", QStringLiteral("Hinzufügen"), {3600, 240, 1035, 285},
                          QStringLiteral("Registerblatt hinzufügen"));
  cmdDelete_ = MakeButton(this, "cmdDelete", QStringLiteral("Löschen"), {4640, 240, 945, 285},
                          QStringLiteral("Registerblatt löschen"));
  MakeLabel(this, "lbl0", QStringLiteral("Register Beschriftung:"), {270, 600, 1575, 255});
  txt_[kCaptionBox] =
      MakeTextBox(this, "txt0", {1950, 600, 3615, 285}, QStringLiteral("Register Beschriftung (Caption)"));
  MakeLabel(this, "lbl1", QStringLiteral("Register Breite:"), {270, 960, 1125, 255});
  txt_[kWidthBox] = MakeTextBox(this, "txt1", {1950, 960, 1215, 285}, QStringLiteral("Register Breite"));
  MakeLabel(this, "Label1", QStringLiteral("Zugriffstasten wirken in Access nicht!"), {3840, 960, 1815, 375});
  BuildPictureFrame();
  SetTabOrder(
      {cmdDelete_, cmdDel_, cmdOpenDlg_, txtIndex_, hsb_, txt_[kWidthBox], txt_[kCaptionBox], cmdAddTab_});
  ConnectHandlers();
}

void PageRegister::BuildPictureFrame() {
  frame1_ = new QGroupBox(QStringLiteral("Register Bild:"), this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  PlaceAt(*frame1_, 120, 1350, 3060, 2055);
  picTab_ = new PictureBox(frame1_);
  picTab_->setObjectName(QStringLiteral("picTab"));
  PlaceAt(*picTab_, 135, 270, 1650, 1590);
  cmdOpenDlg_ = MakePictureButton(frame1_, "cmdOpenDlg", OpenFolderPixmap(), {1920, 285, 435, 435},
                                  QStringLiteral("Bild auswählen"));
  cmdDel_ = MakePictureButton(frame1_, "cmdDel", DeleteCrossPixmap(), {2400, 285, 435, 435},
                              QStringLiteral("Bild löschen"));
}

void PageRegister::ConnectHandlers() {
  connect(hsb_, &QScrollBar::valueChanged, this, [this] { RunHandler([this] { ScrollChanged(); }); });
  for (QLineEdit* box : txt_) {
    connect(box, &QLineEdit::textChanged, this, [this] { SetChanged(true); });
  }
  connect(picTab_, &PictureBox::PictureChanged, this, [this] { SetChanged(true); });
  connect(cmdAddTab_, &QPushButton::clicked, this, [this] { RunHandler([this] { AddTabClicked(); }); });
  connect(cmdDelete_, &QPushButton::clicked, this, [this] { RunHandler([this] { DeleteTabClicked(); }); });
  connect(cmdOpenDlg_, &QPushButton::clicked, this, [this] { RunHandler([this] { OpenPictureClicked(); }); });
  connect(cmdDel_, &QPushButton::clicked, this, [this] { RunHandler([this] { DeletePictureClicked(); }); });
}

void PageRegister::SelectionChanged() {
  const ActionScope action(*this);
  // Edits still pending belong to the selection that is gone. Stepping below would write them into tab 1
  // of the newly selected control (mEditedTab is 1 by then), so they are dropped.
  SetChanged(false);
  edited_control_ = FirstSelected();
  if (edited_control_ == nullptr || edited_control_->NumberOfTabs() == 0) return;
  SetScrollMaximum(edited_control_->NumberOfTabs());
  txtIndex_->setText(QStringLiteral("1"));
  edited_tab_ = 1;
  ScrollChanged();
}

void PageRegister::ScrollChanged() {
  const ActionScope action(*this);
  txtIndex_->setText(QString::number(hsb_->value()));
  const int32_t shown = hsb_->value();
  if (edited_control_ == nullptr) return;
  // Pending edits belong to the tab shown until now.
  if (Changed() && shown != edited_tab_) ApplyChanges();
  edited_tab_ = shown;
  txt_[kCaptionBox]->setText(QString::fromStdString(edited_control_->TabCaption(shown)));
  txt_[kWidthBox]->setText(QString::number(edited_control_->TabWidth(shown)));
  picTab_->SetPicture(edited_control_->TabPicture(shown));
  cmdDelete_->setEnabled(shown != 0);
}

void PageRegister::SetScrollMaximum(int32_t maximum) {
  // Lowering the maximum below the value moves the value, and the scroll bar's handler runs inside this
  // call; its error belongs to the action that lowered it.
  hsb_->setRange(std::min<int32_t>(1, maximum), maximum);
  RethrowPendingError();
}

void PageRegister::ApplyChanges() {
  const ActionScope action(*this);
  if (edited_control_ == nullptr) return;
  if (txt_[kWidthBox]->text().isEmpty()) txt_[kWidthBox]->setText(QString::number(kNewTabWidth));
  edited_control_->SetTabCaption(edited_tab_, txt_[kCaptionBox]->text().toStdString());
  edited_control_->SetTabWidth(edited_tab_, ConvertToLong(txt_[kWidthBox]->text()));
  edited_control_->SetTabPicture(edited_tab_, picTab_->Picture());
}

void PageRegister::AddTabClicked() {
  const ActionScope action(*this);
  if (edited_control_ == nullptr) return;
  if (Changed()) ApplyChanges();
  int32_t width = kNewTabWidth;
  std::string caption;
  StdPictureRef picture;
  const int32_t added = edited_control_->AddTab(width, caption, picture);
  SetScrollMaximum(added);
  SetChanged(true);
  // The boxes keep the tab shown before: the next apply writes them into the new tab.
  edited_tab_ = added;
  picTab_->SetPicture(nullptr);
}

void PageRegister::DeleteTabClicked() {
  const ActionScope action(*this);
  if (edited_control_ == nullptr) return;
  edited_control_->DeleteTab();
  SetScrollMaximum(edited_control_->NumberOfTabs());
  SetChanged(true);
}

void PageRegister::DeletePictureClicked() {
  const ActionScope action(*this);
  picTab_->SetPicture(nullptr);
  SetChanged(true);
}

void PageRegister::OpenPictureClicked() {
  const ActionScope action(*this);
  const std::string chosen =
      ShowOpenDialog(services().files, "Lade Register Bild", "Alle Bild Dateien|*.bmp;*.ico", "*.*");
  if (chosen.empty()) return;
  try {
    std::optional<StdPictureRef> picture = LoadTabPicture(chosen, picTemp_);
    if (picture) picTab_->SetPicture(std::move(*picture));
  } catch (const std::exception& error) {
    ReportPictureError(error);
    return;
  }
  SetChanged(true);
}

void PageRegister::ReportPictureError(const std::exception& error) {
  const auto* host_error = dynamic_cast<const HostError*>(&error);
  if (host_error != nullptr && host_error->number() == kErrInvalidPicture) {
    services().messages.Show("Ungültiges Bild", "Bild einfügen", MsgBoxIcon::kStop, MsgBoxButtons::kOkOnly);
    return;
  }
  std::string text = error.what();
  if (host_error != nullptr) text = std::to_string(host_error->number()) + "\r\n" + text;
  services().messages.Show(text, "Vellumar", MsgBoxIcon::kNone, MsgBoxButtons::kOkOnly);
}

}  // namespace vellumar
